import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.TextArea {
    id: control
    implicitWidth: 400
    implicitHeight: 140
    padding: Theme.gapMedium
    color: Theme.text
    placeholderTextColor: Theme.secondaryText
    selectionColor: Theme.action
    font.pixelSize: Theme.fontLabel
    wrapMode: TextEdit.Wrap

    background: Rectangle {
        radius: 4
        color: Theme.background
        border.color: control.activeFocus ? Theme.accent : Theme.border
        border.width: control.activeFocus ? 2 : 1
    }
}
