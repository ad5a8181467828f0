import QtQuick 2.12
import QtQuick.Templates 2.12 as T

// Small round icon buttons (turn, remove, move a track) in the window's dark look.
T.RoundButton {
    id: control
    implicitWidth: 32
    implicitHeight: 32
    padding: Theme.gapSmall
    font.pixelSize: Theme.fontBody
    icon.width: 16
    icon.height: 16
    icon.color: Theme.text

    contentItem: Item {
        Image {
            anchors.centerIn: parent
            width: control.icon.width
            height: control.icon.height
            source: control.icon.source
            visible: control.icon.source != ""
        }
        Text {
            anchors.centerIn: parent
            text: control.text
            font: control.font
            color: Theme.text
            visible: control.text !== ""
        }
    }
    background: Rectangle {
        radius: control.radius
        color: control.down ? Theme.actionPressed : (control.hovered ? Theme.action : Theme.panel)
        border.color: Theme.border
        opacity: control.enabled ? 1.0 : 0.5
        FocusRing { shown: control.visualFocus }
    }
}
