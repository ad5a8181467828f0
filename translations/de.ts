<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de_DE">
<context>
    <name>AVInput</name>
    <message>
        <source>The music file %1 cannot be played. Check that it is still there, or choose another track.</source>
        <translation>Die Musikdatei %1 kann nicht abgespielt werden. Prüfen Sie, ob sie noch vorhanden ist, oder wählen Sie ein anderes Stück.</translation>
    </message>
    <message>
        <source>The theme's background video %1 cannot be played. Download the theme again, or choose another theme.</source>
        <translation>Das Hintergrundvideo %1 des Themas kann nicht abgespielt werden. Laden Sie das Thema erneut herunter oder wählen Sie ein anderes Thema.</translation>
    </message>
    <message>
        <source>the file holds no sound</source>
        <translation>die Datei enthält keinen Ton</translation>
    </message>
    <message>
        <source>the file holds no pictures</source>
        <translation>die Datei enthält keine Bilder</translation>
    </message>
</context>
<context>
    <name>AddBackgroundMusicScreen</name>
    <message>
        <source>Add Background Music</source>
        <translation>Hintergrundmusik hinzufügen</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Audiodatei öffnen</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>Skip Audio</source>
        <translation>Ohne Musik weiter</translation>
    </message>
    <message>
        <source>Back to Themes</source>
        <translation>Zurück zu den Themen</translation>
    </message>
    <message>
        <source>Open Audio File (%1)</source>
        <translation>Audiodatei öffnen (%1)</translation>
    </message>
</context>
<context>
    <name>BeatsPres</name>
    <message>
        <source>Finding the beat of “%1”: %2 %</source>
        <translation>Takt von „%1“ wird gesucht: %2 %</translation>
    </message>
    <message>
        <source>No beat was found in %1, so its scenes are not cut on the beat.</source>
        <translation>In %1 wurde kein Takt gefunden, daher werden seine Szenen nicht im Takt geschnitten.</translation>
    </message>
</context>
<context>
    <name>DoneScreen</name>
    <message>
        <source>Your video is ready</source>
        <translation>Ihr Video ist fertig</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>Video abspielen</translation>
    </message>
    <message>
        <source>Open Folder containing Video</source>
        <translation>Ordner mit dem Video öffnen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>DownloadingScreen</name>
    <message>
        <source>Downloading Theme</source>
        <translation>Thema wird heruntergeladen</translation>
    </message>
    <message>
        <source>Downloading theme's files from internet.</source>
        <translation>Die Dateien des Themas werden aus dem Internet geladen.</translation>
    </message>
    <message>
        <source>Depending on your internet connection speed</source>
        <translation>Je nach Geschwindigkeit Ihrer Internetverbindung</translation>
    </message>
    <message>
        <source>it can take up to few minutes.</source>
        <translation>kann das einige Minuten dauern.</translation>
    </message>
    <message>
        <source>This files will be downloaded only once.</source>
        <translation>Diese Dateien werden nur einmal heruntergeladen.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>%1
The system said: %2.</source>
        <translation>%1
Das System meldete: %2.</translation>
    </message>
</context>
<context>
    <name>LibavRender</name>
    <message>
        <source>The video file disappeared while it was being written: %1</source>
        <translation>Die Videodatei ist beim Schreiben verschwunden: %1</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Add Images</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Ordner mit Bildern hinzufügen</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Textszene hinzufügen</translation>
    </message>
    <message>
        <source>Click Add Images to add your photos</source>
        <translation>Klicken Sie auf „Bilder hinzufügen“, um Ihre Fotos hinzuzufügen</translation>
    </message>
    <message>
        <source>Click Add Text Scene to add titles between slides</source>
        <translation>Klicken Sie auf „Textszene hinzufügen“, um Titel zwischen die Folien zu setzen</translation>
    </message>
    <message>
        <source>Back to Themes</source>
        <translation>Zurück zu den Themen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Import Image Files (%1)</source>
        <translation>Bilddateien importieren (%1)</translation>
    </message>
    <message>
        <source>Open Audio File (%1)</source>
        <translation>Audiodatei öffnen (%1)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>%1 rückgängig machen (Strg+Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1 (Ctrl+Shift+Z)</source>
        <translation>%1 wiederholen (Strg+Umschalt+Z)</translation>
    </message>
</context>
<context>
    <name>MediaFileInfo</name>
    <message>
        <source>The file %1 holds no music that can be played. Choose another track.</source>
        <translation>Die Datei %1 enthält keine abspielbare Musik. Wählen Sie ein anderes Stück.</translation>
    </message>
</context>
<context>
    <name>PhotoGrid</name>
    <message>
        <source>You have too many slides for your audio duration. The images and text slides below will be excluded from final video</source>
        <translation>Sie haben mehr Folien, als die Musik lang ist. Die Bilder und Textfolien darunter kommen nicht ins Video</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>PlanPlayer</name>
    <message>
        <source>The theme cannot be used: its description is missing or cannot be read.</source>
        <translation>Das Thema kann nicht verwendet werden: Seine Beschreibung fehlt oder ist nicht lesbar.</translation>
    </message>
    <message>
        <source>There is nothing to put into a video: the project has no slides.</source>
        <translation>Es gibt nichts für ein Video: Das Projekt hat keine Folien.</translation>
    </message>
    <message>
        <source>The theme cannot play its scene %1: the video cannot be made.</source>
        <translation>Das Thema kann seine Szene %1 nicht abspielen: Das Video kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The theme's background %1 cannot be played, so the video cannot be made. Download the theme again, or choose another theme.</source>
        <translation>Der Hintergrund %1 des Themas kann nicht abgespielt werden, daher kann das Video nicht erstellt werden. Laden Sie das Thema erneut herunter oder wählen Sie ein anderes Thema.</translation>
    </message>
    <message>
        <source>The video leaves a place empty for each photo that cannot be read. Check that these files are still there, or take them out of the slideshow:
%1</source>
        <translation>Für jedes Foto, das nicht gelesen werden kann, bleibt im Video ein Platz leer. Prüfen Sie, ob diese Dateien noch vorhanden sind, oder nehmen Sie sie aus der Diashow:
%1</translation>
    </message>
</context>
<context>
    <name>PopupAddTextScene</name>
    <message>
        <source>Add Text Scene</source>
        <translation>Textszene hinzufügen</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>Text hier eingeben …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Edit Text Scene</source>
        <translation>Textszene bearbeiten</translation>
    </message>
</context>
<context>
    <name>PopupAudioTracks</name>
    <message>
        <source>Edit Audio</source>
        <translation>Musik bearbeiten</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Musik hinzufügen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>PopupAudioTracksList</name>
    <message>
        <source>Play earlier</source>
        <translation>Früher abspielen</translation>
    </message>
    <message>
        <source>Play later</source>
        <translation>Später abspielen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>PopupCommonError</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our support at </source>
        <translation>Wenn das Problem bleibt, wenden Sie sich bitte an unseren Support unter </translation>
    </message>
    <message>
        <source>or via email</source>
        <translation>oder per E-Mail</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PopupDownloadError</name>
    <message>
        <source>Network problem</source>
        <translation>Netzwerkproblem</translation>
    </message>
    <message>
        <source>We have problem with downloading files from internet.</source>
        <translation>Beim Herunterladen der Dateien ist ein Problem aufgetreten.</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again.</source>
        <translation>Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our support at </source>
        <translation>Wenn das Problem bleibt, wenden Sie sich bitte an unseren Support unter </translation>
    </message>
    <message>
        <source>Select other</source>
        <translation>Anderes wählen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
</context>
<context>
    <name>PopupLeaveMsg</name>
    <message>
        <source>Something seems to have gone wrong during the last Lumavive session. Send us a short message about what is the last thing you did before Lumavive crashed. It helps us fix issues quickly.
Thank you.</source>
        <translation>In der letzten Lumavive-Sitzung ist offenbar etwas schiefgegangen. Schreiben Sie uns kurz, was Sie zuletzt getan haben, bevor Lumavive abstürzte. Das hilft uns, Fehler schnell zu beheben.
Vielen Dank.</translation>
    </message>
    <message>
        <source>Type your message here...</source>
        <translation>Nachricht hier eingeben …</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
</context>
<context>
    <name>PopupMissedImageFiles</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Missed image files will be skipped</source>
        <translation>Fehlende Bilddateien werden übersprungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PopupQuestion</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PreviewAudio</name>
    <message>
        <source>No sound device was found: the preview plays without music.</source>
        <translation>Kein Audiogerät gefunden: Die Vorschau läuft ohne Musik.</translation>
    </message>
    <message>
        <source>The sound device cannot play the music: the preview plays without it.</source>
        <translation>Das Audiogerät kann die Musik nicht abspielen: Die Vorschau läuft ohne sie.</translation>
    </message>
    <message>
        <source>The sound device cannot be opened: the preview plays without music.</source>
        <translation>Das Audiogerät kann nicht geöffnet werden: Die Vorschau läuft ohne Musik.</translation>
    </message>
    <message>
        <source>The sound device stopped: the preview plays on without music.</source>
        <translation>Das Audiogerät hat angehalten: Die Vorschau läuft ohne Musik weiter.</translation>
    </message>
    <message>
        <source>The sound device stopped taking the music: the preview plays on without it.</source>
        <translation>Das Audiogerät nimmt keine Musik mehr an: Die Vorschau läuft ohne sie weiter.</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PreviewPres</name>
    <message>
        <source>Your title here</source>
        <translation>Ihr Titel hier</translation>
    </message>
</context>
<context>
    <name>ProjectPres</name>
    <message>
        <source>Audio Files</source>
        <translation>Audiodateien</translation>
    </message>
    <message>
        <source>The video lasts %1 s; the last %2 s of the music are left out.</source>
        <translation>Das Video dauert %1 s; die letzten %2 s der Musik fallen weg.</translation>
    </message>
    <message>
        <source>Remove Missing Photos</source>
        <translation>Fehlende Fotos entfernen</translation>
    </message>
    <message>
        <source>Change Theme</source>
        <translation>Thema wechseln</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Musik hinzufügen</translation>
    </message>
    <message>
        <source>Remove Music</source>
        <translation>Musik entfernen</translation>
    </message>
    <message>
        <source>Reorder Music</source>
        <translation>Musik umordnen</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Remove Slide</source>
        <translation>Folie entfernen</translation>
    </message>
    <message>
        <source>Remove Slides</source>
        <translation>Folien entfernen</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Move Slides</source>
        <translation>Folien verschieben</translation>
    </message>
    <message>
        <source>Turn Photo</source>
        <translation>Foto drehen</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Click here to Add Background Music</source>
        <translation>Hier klicken, um Hintergrundmusik hinzuzufügen</translation>
    </message>
    <message numerus="yes">
        <source>%n Audio Files</source>
        <translation><numerusform>%n Audiodatei</numerusform><numerusform>%n Audiodateien</numerusform></translation>
    </message>
    <message>
        <source>%1 s a photo</source>
        <translation>%1 s pro Foto</translation>
    </message>
    <message>
        <source>The theme's pace</source>
        <translation>Tempo des Themas</translation>
    </message>
    <message>
        <source>Change Pace</source>
        <translation>Tempo ändern</translation>
    </message>
    <message>
        <source>Fit to Music</source>
        <translation>An die Musik anpassen</translation>
    </message>
    <message>
        <source>Stop Fitting to Music</source>
        <translation>Nicht mehr an die Musik anpassen</translation>
    </message>
    <message>
        <source>Cut on the Beat</source>
        <translation>Im Takt schneiden</translation>
    </message>
    <message>
        <source>Stop Cutting on the Beat</source>
        <translation>Nicht mehr im Takt schneiden</translation>
    </message>
</context>
<context>
    <name>ProjectsView</name>
    <message>
        <source>My Recent Projects</source>
        <translation>Meine letzten Projekte</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>Alle ausblenden</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Resume project</source>
        <translation>Projekt fortsetzen</translation>
    </message>
    <message>
        <source>Delete project</source>
        <translation>Projekt löschen</translation>
    </message>
    <message>
        <source>... load more</source>
        <translation>… weitere laden</translation>
    </message>
    <message>
        <source>“%1” of %2 is deleted for good. The photos and music it uses stay where they are.</source>
        <translation>„%1“ vom %2 wird endgültig gelöscht. Die verwendeten Fotos und die Musik bleiben, wo sie sind.</translation>
    </message>
    <message>
        <source>Delete this project?</source>
        <translation>Dieses Projekt löschen?</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Rename Project</source>
        <translation>Projekt umbenennen</translation>
    </message>
    <message>
        <source>A name for this slideshow</source>
        <translation>Ein Name für diese Diashow</translation>
    </message>
    <message>
        <source>Its videos are named after it.</source>
        <translation>Seine Videos werden danach benannt.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The theme description cannot be read: %1</source>
        <translation>Die Themenbeschreibung kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>RenderPres</name>
    <message>
        <source>Something went wrong while the video was made; no file was written.</source>
        <translation>Beim Erstellen des Videos ist etwas schiefgegangen; es wurde keine Datei geschrieben.</translation>
    </message>
</context>
<context>
    <name>RenderingScreen</name>
    <message>
        <source>Making Video</source>
        <translation>Video wird erstellt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The video could not be made</source>
        <translation>Das Video konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>SavedProjectsPres</name>
    <message>
        <source>The project could not be saved in %1. Check that the disk has free space.</source>
        <translation>Das Projekt konnte nicht in %1 gespeichert werden. Prüfen Sie, ob auf dem Datenträger Platz frei ist.</translation>
    </message>
    <message>
        <source>The saved project cannot be read: %1</source>
        <translation>Das gespeicherte Projekt kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>(no copy could be made)</source>
        <translation>(es konnte keine Kopie angelegt werden)</translation>
    </message>
    <message>
        <source>The saved project was damaged; what could be read is open. The damaged file is kept as %1</source>
        <translation>Das gespeicherte Projekt war beschädigt; geöffnet ist, was gelesen werden konnte. Die beschädigte Datei bleibt erhalten als %1</translation>
    </message>
    <message>
        <source>The project could not be renamed</source>
        <translation>Das Projekt konnte nicht umbenannt werden</translation>
    </message>
    <message>
        <source>Its folder cannot be written: %1</source>
        <translation>Sein Ordner ist nicht beschreibbar: %1</translation>
    </message>
    <message>
        <source>The project could not be saved</source>
        <translation>Das Projekt konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>A saved project cannot be read</source>
        <translation>Ein gespeichertes Projekt ist nicht lesbar</translation>
    </message>
    <message>
        <source>A saved project was damaged</source>
        <translation>Ein gespeichertes Projekt war beschädigt</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>Some photos are missing</source>
        <translation>Einige Fotos fehlen</translation>
    </message>
    <message>
        <source>These photos were moved or deleted after they were added. Remove them from the project and make the video without them, or go back to the editor.</source>
        <translation>Diese Fotos wurden nach dem Hinzufügen verschoben oder gelöscht. Entfernen Sie sie aus dem Projekt und erstellen Sie das Video ohne sie, oder kehren Sie zum Editor zurück.</translation>
    </message>
    <message>
        <source>Back to the Editor</source>
        <translation>Zurück zum Editor</translation>
    </message>
    <message>
        <source>Remove and Make Video</source>
        <translation>Entfernen und Video erstellen</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <source>Please select another Result Directory. Can't create output file in</source>
        <translation>Bitte wählen Sie einen anderen Zielordner. Die Ausgabedatei kann nicht angelegt werden in</translation>
    </message>
    <message>
        <source>The result folder cannot be used</source>
        <translation>Der Zielordner kann nicht verwendet werden</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Video settings</source>
        <translation>Videoeinstellungen</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Videoqualität</translation>
    </message>
    <message>
        <source>HD (1280x720)</source>
        <translation>HD (1280x720)</translation>
    </message>
    <message>
        <source>Full HD (1920x1080)</source>
        <translation>Full HD (1920x1080)</translation>
    </message>
    <message>
        <source>MAKE MOVIE</source>
        <translation>VIDEO ERSTELLEN</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Finding the beat of the music…</source>
        <translation>Der Takt der Musik wird gesucht…</translation>
    </message>
</context>
<context>
    <name>SkippedFilesNotice</name>
    <message>
        <source>Some files were not added</source>
        <translation>Einige Dateien wurden nicht hinzugefügt</translation>
    </message>
    <message>
        <source>, and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>Photos that cannot be read, damaged or in a format this system cannot open: %1.</source>
        <translation>Fotos, die sich nicht lesen lassen, beschädigt oder in einem Format, das dieses System nicht öffnen kann: %1.</translation>
    </message>
    <message>
        <source>Music that cannot be played, damaged or holding no sound: %1.</source>
        <translation>Musik, die sich nicht abspielen lässt, beschädigt oder ohne Ton: %1.</translation>
    </message>
    <message>
        <source>Neither photos nor music: %1.</source>
        <translation>Weder Fotos noch Musik: %1.</translation>
    </message>
    <message>
        <source>Files not added: %1.</source>
        <translation>Nicht hinzugefügte Dateien: %1.</translation>
    </message>
</context>
<context>
    <name>SlideGridPres</name>
    <message>
        <source>%1/90: a text slide holds up to 90 characters</source>
        <translation>%1/90: Eine Textfolie fasst bis zu 90 Zeichen</translation>
    </message>
</context>
<context>
    <name>ThemeThumb</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Play this theme with sample pictures</source>
        <translation>Dieses Thema mit Beispielbildern abspielen</translation>
    </message>
</context>
<context>
    <name>ThemesScreen</name>
    <message>
        <source>Select Theme</source>
        <translation>Thema wählen</translation>
    </message>
    <message>
        <source>Subscribe for new Themes and Updates</source>
        <translation>Abonnieren Sie neue Themen und Neuigkeiten</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Abonnieren</translation>
    </message>
    <message>
        <source>New Slideshow</source>
        <translation>Neue Diashow</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <source>Edit Audio</source>
        <translation>Musik bearbeiten</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Musik hinzufügen</translation>
    </message>
    <message>
        <source>Pace: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Fit to music</source>
        <translation>An die Musik anpassen</translation>
    </message>
    <message>
        <source>Cut on the beat</source>
        <translation>Im Takt schneiden</translation>
    </message>
</context>
<context>
    <name>VideoOutputWorker</name>
    <message>
        <source>The video could not be written to %1. Check that the disk has free space and that the folder can be written to, then make the video again.</source>
        <translation>Das Video konnte nicht nach %1 geschrieben werden. Prüfen Sie, ob auf dem Datenträger Platz frei ist und der Ordner beschreibbar ist, und erstellen Sie das Video dann erneut.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A video is being made</source>
        <translation>Ein Video wird gerade erstellt</translation>
    </message>
    <message>
        <source>If you quit now, the video stops and the unfinished file is removed. Your project is saved either way.</source>
        <translation>Wenn Sie jetzt beenden, wird das Video abgebrochen und die unfertige Datei entfernt. Ihr Projekt wird in jedem Fall gespeichert.</translation>
    </message>
    <message>
        <source>Keep Rendering</source>
        <translation>Weiter erstellen</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Abbrechen und beenden</translation>
    </message>
</context>
</TS>