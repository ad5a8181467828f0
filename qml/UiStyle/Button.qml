import QtQuick 2.9
import QtQuick.Templates 2.2 as T

T.Button {
    id: control

    implicitWidth: Math.max(background ? background.implicitWidth : 0,
                            contentItem.implicitWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(background ? background.implicitHeight : 0,
                             contentItem.implicitHeight + topPadding + bottomPadding)
    padding: 10
    leftPadding: 20
    rightPadding: 20

    contentItem: Text {
        text: control.text
        font: control.font
        color: control.enabled ? "#E9E9E9" : "#889097"
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        implicitWidth: 120
        implicitHeight: 40
        radius: 4
        color: control.down ? "#1570B8" : (control.hovered ? "#2A9BF0" : "#1D8CE4")
        opacity: control.enabled ? 1.0 : 0.4
        border.width: control.visualFocus ? 2 : 0
        border.color: "#E9E9E9"
    }
}
