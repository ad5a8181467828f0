<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>main</name>
    <message>
        <source>Lumavive</source>
        <translation>Lumavive</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <source>Please select another Result Directory. Can&apos;t create output file in</source>
        <translation>Bitte wählen Sie einen anderen Zielordner. Die Ausgabedatei kann nicht angelegt werden in</translation>
    </message>
</context>
</TS>
