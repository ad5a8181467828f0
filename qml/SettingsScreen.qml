import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Item {
    id: settingsScreen
    objectName: "settingsScreen"

    Column {
        anchors.centerIn: parent
        width: 640
        spacing: 22

        // The heading and the main button stand on the column's middle, the form rows at its
        // left edge: the column reads as centred however wide the window is.
        Heading {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Video settings")
        }

        Row {
            spacing: Theme.gapMedium
            Label { text: qsTr("Result Directory"); color: Theme.text; font.pixelSize: Theme.fontLabel }
            Label {
                objectName: "changeSaveDirLink"
                text: "<a href=\"#\">" + qsTr("Change") + "</a>"
                textFormat: Text.StyledText
                linkColor: Theme.accent
                font.pixelSize: Theme.fontLabel
                onLinkActivated: {
                    settings.mkSaveDir()
                    folderDialog.show()
                }
            }
        }
        Label {
            objectName: "saveDirLabel"
            // A long path elides in the middle and shows in full on hover.
            property bool showsFullTextOnHover: true
            width: parent.width
            elide: Text.ElideMiddle
            text: settings.saveDir
            color: Theme.secondaryText
            ToolTip.visible: truncated && saveDirHover.containsMouse
            ToolTip.text: text
            MouseArea {
                id: saveDirHover
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.NoButton
            }
        }

        Label { text: qsTr("Video Quality"); color: Theme.text; font.pixelSize: Theme.fontLabel }
        Column {
            spacing: Theme.gapSmall
            RadioButton {
                objectName: "hdRadio"
                text: qsTr("HD (1280x720)")
                checked: !settings.fullHd
                onClicked: settings.fullHd = false
            }
            RadioButton {
                objectName: "fullHdRadio"
                text: qsTr("Full HD (1920x1080)")
                checked: settings.fullHd
                onClicked: settings.fullHd = true
            }
        }

        Button {
            objectName: "makeMovieButton"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("MAKE MOVIE")
            font.pixelSize: Theme.fontTitle
            implicitHeight: 52
            implicitWidth: 240
            // The scenes are cut on the music's beats once they are found.
            enabled: !beats.finding
            onClicked: appWindow.navigate(render.makeVideo())
        }
        Label {
            objectName: "findingBeatsNote"
            anchors.horizontalCenter: parent.horizontalCenter
            visible: beats.finding
            text: qsTr("Finding the beat of the music…")
            color: Theme.secondaryText
        }
    }

    BButton {
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: Theme.gapWide
        text: qsTr("Back")
        onClicked: appWindow.navigate("MainScreen")
    }

    // The folder chooser of Qt Quick Dialogs answers with the folder chosen: a folder clicked
    // once, or a path typed (the Qt Labs one gave the folder being shown instead).
    Chooser {
        id: folderDialog
        objectName: "saveDirDialog"
        selectFolder: true
        startFolder: settings.saveDirUrl
        onAccepted: settings.chooseSaveDir(fileUrl)
    }
}
