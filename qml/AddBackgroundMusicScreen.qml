import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Item {
    id: addMusicScreen
    objectName: "addMusicScreen"

    Column {
        anchors.centerIn: parent
        spacing: Theme.gapWide

        Heading {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Add Background Music")
        }
        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 300
            height: 168
            fillMode: Image.PreserveAspectCrop
            source: templates.selected.thumbPath || ""
        }
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            text: templates.selected.name || ""
            color: Theme.secondaryText
            font.pixelSize: Theme.fontLabel
        }
        Button {
            objectName: "openAudioButton"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Open Audio File")
            onClicked: audioDialog.show()
        }
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("or")
            color: Theme.secondaryText
        }
        BButton {
            objectName: "skipAudioButton"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Skip Audio")
            onClicked: appWindow.navigate("MainScreen")
        }
    }
    BButton {
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: Theme.gapWide
        text: qsTr("Back to Themes")
        onClicked: appWindow.navigate("ThemesScreen")
    }

    Chooser {
        id: audioDialog
        objectName: "musicScreenAudioDialog"
        selectMultiple: true
        startFolder: chooserFolders.music
        nameFilters: [qsTr("Open Audio File (%1)").arg(project.musicFilter)]
        onAccepted: {
            chooserFolders.chosen("music", fileUrls)
            project.addAudio(fileUrls)
            appWindow.navigate("MainScreen")
        }
    }
}
