import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Item {
    id: renderingScreen
    objectName: "renderingScreen"

    Column {
        anchors.centerIn: parent
        spacing: Theme.gapLarge

        Heading {
            anchors.horizontalCenter: parent.horizontalCenter
            text: render.failure === "" ? qsTr("Making Video") : qsTr("The video could not be made")
        }
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            height: appWindow.height / 3
            width: height * 1.7463
            color: Theme.panel
            Image {
                objectName: "previewImage"
                anchors.fill: parent
                fillMode: Image.PreserveAspectFit
                source: render.preview ? "image://ImageProvider/" + render.preview : ""
                cache: false
            }
        }
        ProgressBar {
            anchors.horizontalCenter: parent.horizontalCenter
            width: appWindow.height / 3 * 1.7463
            visible: render.failure === ""
            value: render.progress / 100
        }
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: render.failure === ""
            text: render.progress + "%"
            color: Theme.text
        }
        Label {
            objectName: "renderFailure"
            anchors.horizontalCenter: parent.horizontalCenter
            width: appWindow.height / 3 * 1.7463
            visible: text !== ""
            text: render.failure
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            color: Theme.text
        }
    }
    BButton {
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: Theme.gapWide
        text: qsTr("Back")
        // A running render ends with `stopped`, which leads to the settings; with nothing
        // running there is nothing to wait for.
        onClicked: render.isRendering ? render.stop() : appWindow.navigate("SettingsScreen")
    }
}
