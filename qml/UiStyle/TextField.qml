import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.TextField {
    id: control
    implicitWidth: 300
    implicitHeight: 40
    leftPadding: Theme.gapMedium
    rightPadding: Theme.gapMedium
    color: Theme.text
    placeholderTextColor: Theme.secondaryText
    selectionColor: Theme.action
    font.pixelSize: Theme.fontBody
    verticalAlignment: TextInput.AlignVCenter

    background: Rectangle {
        radius: 4
        color: Theme.background
        border.color: control.activeFocus ? Theme.accent : Theme.border
        border.width: control.activeFocus ? 2 : 1
    }
}
