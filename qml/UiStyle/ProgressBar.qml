import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.ProgressBar {
    id: control
    implicitWidth: 300
    implicitHeight: 8

    background: Rectangle {
        radius: height / 2
        color: Theme.panel
    }
    contentItem: Item {
        Rectangle {
            width: control.visualPosition * parent.width
            height: parent.height
            radius: height / 2
            color: Theme.action
        }
    }
}
