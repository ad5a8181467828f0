import QtQuick 2.9
import QtQuick.Window 2.2
import QtQuick.Controls 2.2

ApplicationWindow {
    id: appWindow
    objectName: "appWindow"
    visible: true
    width: Screen.width >= 1500 ? 1300 : Screen.width
    height: Screen.width >= 1500 ? 900 : Screen.height
    minimumWidth: 1000
    minimumHeight: 600
    title: "Lumavive"
    color: "#192936"

    Label {
        anchors.centerIn: parent
        text: qsTr("Lumavive")
        color: "#E9E9E9"
        font.pixelSize: 32
    }
}
