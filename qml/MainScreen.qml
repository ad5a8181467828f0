import QtQuick 2.9
import QtQuick.Controls 2.2
import QtQuick.Dialogs 1.2
import UiStyle 1.0

Item {
    id: mainScreen
    objectName: "mainScreen"

    Row {
        id: toolBar
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.margins: 24
        spacing: 16
        Button {
            id: addImagesButton
            objectName: "addImagesButton"
            text: qsTr("Add Images")
            onClicked: addImagesMenu.open()
            Menu {
                id: addImagesMenu
                y: addImagesButton.height
                MenuItem {
                    text: qsTr("Add Files")
                    onTriggered: imagesDialog.open()
                }
                MenuItem {
                    text: qsTr("Add Folder with Images")
                    onTriggered: folderDialog.open()
                }
            }
        }
        BButton {
            objectName: "addTextButton"
            text: qsTr("Add Text Scene")
            onClicked: textPopup.openForAdd()
        }
    }

    PhotoGrid {
        id: grid
        anchors.top: toolBar.bottom
        anchors.bottom: timeline.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 24
        visible: project.slidesNumber !== 0
        onEditText: textPopup.openForEdit(index, text)
    }
    Column {
        anchors.centerIn: grid
        visible: project.slidesNumber === 0
        spacing: 12
        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            source: "qrc:/assets/images/icon-big-image.png"
        }
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Click Add Images to add your photos")
            color: "#E9E9E9"
            font.pixelSize: 18
        }
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Click Add Text Scene to add titles between slides")
            color: "#889097"
            font.pixelSize: 15
        }
    }

    Rectangle {
        id: timeline
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: footer.top
        height: 84
        color: "#273745"

        Column {
            anchors.left: parent.left
            anchors.right: audioButton.left
            anchors.verticalCenter: parent.verticalCenter
            anchors.margins: 24
            spacing: 8
            ProgressBar {
                objectName: "timelineBar"
                width: parent.width
                value: project.timelineValue / 100
                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -10
                    cursorShape: Qt.PointingHandCursor
                    onClicked: project.audioFilesCount > 0 ? audioPopup.open() : audioDialog.open()
                }
            }
            Label {
                text: project.timelineText
                color: "#889097"
            }
        }
        BButton {
            id: audioButton
            anchors.right: audioText.left
            anchors.verticalCenter: parent.verticalCenter
            anchors.rightMargin: 16
            text: project.audioFilesCount > 0 ? qsTr("Edit Audio") : qsTr("Add Audio")
            onClicked: project.audioFilesCount > 0 ? audioPopup.open() : audioDialog.open()
        }
        Label {
            id: audioText
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            anchors.rightMargin: 24
            width: 280
            elide: Text.ElideRight
            color: "#E9E9E9"
            text: project.audioFilesCount === 0 ? qsTr("Click here to Add Background Music")
                  : project.audioFilesCount > 1 ? project.audioFilesCount + qsTr(" Audio Files")
                  : project.audioFiles[0].songName + " " + project.audioFiles[0].artistName
        }
    }

    Item {
        id: footer
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 72
        BButton {
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            anchors.leftMargin: 24
            text: qsTr("Back to Themes")
            onClicked: appWindow.navigate("ThemesScreen")
        }
        Button {
            objectName: "doneButton"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            anchors.rightMargin: 24
            text: qsTr("Done")
            enabled: project.slidesNumber !== 0
            onClicked: {
                project.save()
                appWindow.navigate("SettingsScreen")
            }
        }
    }

    FileDialog {
        id: imagesDialog
        selectMultiple: true
        nameFilters: [qsTr("Import Image Files (*.jpg *jpeg *.png *.gif)")]
        onAccepted: project.addImages(fileUrls)
    }
    FileDialog {
        id: folderDialog
        selectFolder: true
        nameFilters: [qsTr("Import Image Files (*.jpg *jpeg *.png *.gif)")]
        onAccepted: project.addImagesFolder(fileUrls)
    }
    FileDialog {
        id: audioDialog
        selectMultiple: true
        nameFilters: [qsTr("Open Audio File (*.mp3 *.m4a)")]
        onAccepted: project.addAudio(fileUrls)
    }
    PopupAddTextScene { id: textPopup }
    PopupAudioTracks {
        id: audioPopup
        onAddAudio: audioDialog.open()
    }
}
