import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.ScrollBar {
    id: control
    implicitWidth: 10
    implicitHeight: 10
    padding: Theme.hairline

    contentItem: Rectangle {
        implicitWidth: 6
        implicitHeight: 6
        radius: 3
        color: control.pressed ? Theme.text : Theme.secondaryText
        opacity: control.active ? 0.8 : 0.3
    }
}
