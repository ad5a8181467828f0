import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Item {
    id: doneScreen
    objectName: "doneScreen"

    Column {
        anchors.centerIn: parent
        spacing: Theme.gapWide
        Heading {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Your video is ready")
        }
        Button {
            objectName: "playButton"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Play Video")
            onClicked: render.play()
        }
        BButton {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Open Folder containing Video")
            onClicked: render.openFolder()
        }
    }
    BButton {
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: Theme.gapWide
        text: qsTr("Back")
        onClicked: appWindow.navigate("MainScreen")
    }
}
