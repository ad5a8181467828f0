import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.TextField {
    id: control
    implicitWidth: 300
    implicitHeight: 40
    leftPadding: 12
    rightPadding: 12
    color: "#E9E9E9"
    placeholderTextColor: "#889097"
    selectionColor: "#1D8CE4"
    font.pixelSize: 15
    verticalAlignment: TextInput.AlignVCenter

    background: Rectangle {
        radius: 4
        color: "#192936"
        border.color: control.activeFocus ? "#008AFF" : "#34495a"
        border.width: control.activeFocus ? 2 : 1
    }
}
