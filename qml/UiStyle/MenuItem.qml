import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.MenuItem {
    id: control
    implicitWidth: contentItem.implicitWidth + leftPadding + rightPadding
    implicitHeight: 38
    leftPadding: Theme.gapMedium
    rightPadding: Theme.gapMedium
    font.pixelSize: Theme.fontBody

    contentItem: Text {
        text: control.text
        font: control.font
        color: control.enabled ? Theme.text : Theme.secondaryText
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        radius: 4
        color: control.down ? Theme.actionPressed
                            : (control.highlighted || control.hovered ? Theme.action : "transparent")
        FocusRing { shown: control.visualFocus }
    }
}
