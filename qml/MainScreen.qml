import QtQuick 2.9
import QtQuick.Controls 2.2
import QtQuick.Layouts 1.3
import UiStyle 1.0
import Lumavive 1.0

Item {
    id: mainScreen
    objectName: "mainScreen"
    focus: true

    // Leaving the editor stops the preview and its threads, and writes what is not saved yet.
    StackView.onDeactivating: {
        preview.close()
        project.save()
    }

    // Window shortcuts: an open pop-up (a text being typed, Esc closing it) has the keys first.
    Shortcut {
        sequence: "Space"
        enabled: mainScreen.visible && project.slidesNumber !== 0
        onActivated: preview.togglePlay(slideGrid.selectedRows)
    }
    Shortcut {
        sequences: [StandardKey.Undo]
        enabled: mainScreen.visible
        onActivated: project.undo()
    }
    Shortcut {
        sequences: [StandardKey.Redo] // Ctrl+Shift+Z on Linux desktops
        enabled: mainScreen.visible
        onActivated: project.redo()
    }
    Shortcut {
        sequence: "Esc"
        enabled: mainScreen.visible && preview.open
        onActivated: preview.close()
    }

    Row {
        id: toolBar
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.margins: Theme.gapWide
        spacing: Theme.spacing
        Button {
            id: addImagesButton
            objectName: "addImagesButton"
            text: qsTr("Add Images")
            onClicked: addImagesMenu.open()
            Menu {
                id: addImagesMenu
                objectName: "addImagesMenu"
                y: addImagesButton.height
                // As wide as its longest entry in every language.
                width: Math.max(200, addFilesItem.implicitWidth, addFolderItem.implicitWidth)
                MenuItem {
                    id: addFilesItem
                    objectName: "addFilesItem"
                    text: qsTr("Add Files")
                    onTriggered: imagesDialog.show()
                }
                MenuItem {
                    id: addFolderItem
                    objectName: "addFolderItem"
                    text: qsTr("Add Folder with Images")
                    onTriggered: folderDialog.show()
                }
            }
        }
        BButton {
            objectName: "addTextButton"
            text: qsTr("Add Text Scene")
            onClicked: textPopup.openForAdd()
        }
        BButton {
            objectName: "playButton"
            text: preview.playing ? qsTr("Pause") : qsTr("Play")
            enabled: project.slidesNumber !== 0
            onClicked: preview.togglePlay(slideGrid.selectedRows)
        }
        BButton {
            objectName: "undoButton"
            text: qsTr("Undo")
            enabled: project.canUndo
            ToolTip.visible: hovered && project.canUndo
            ToolTip.text: qsTr("Undo %1 (Ctrl+Z)").arg(project.undoText)
            onClicked: project.undo()
        }
        BButton {
            objectName: "redoButton"
            text: qsTr("Redo")
            enabled: project.canRedo
            ToolTip.visible: hovered && project.canRedo
            ToolTip.text: qsTr("Redo %1 (Ctrl+Shift+Z)").arg(project.redoText)
            onClicked: project.redo()
        }
    }

    PhotoGrid {
        id: grid
        anchors.top: toolBar.bottom
        anchors.bottom: timeline.top
        anchors.left: parent.left
        anchors.right: previewPane.visible ? previewPane.left : parent.right
        anchors.margins: Theme.gapWide
        visible: project.slidesNumber !== 0
        onEditText: textPopup.openForEdit(index, text)
    }

    PreviewPane {
        id: previewPane
        anchors.top: toolBar.bottom
        anchors.right: parent.right
        anchors.margins: Theme.gapWide
        width: Math.min(parent.width * 0.5, 680)
    }
    Column {
        anchors.centerIn: grid
        visible: project.slidesNumber === 0
        spacing: Theme.gapMedium
        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            source: "qrc:/assets/images/icon-big-image.png"
        }
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Click Add Images to add your photos")
            color: Theme.text
            font.pixelSize: Theme.fontTitle
        }
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Click Add Text Scene to add titles between slides")
            color: Theme.secondaryText
            font.pixelSize: Theme.fontBody
        }
    }

    TimelineBar {
        id: timeline
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: footer.top
        onMusicWanted: project.audioFilesCount > 0 ? audioPopup.open() : audioDialog.show()
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
            anchors.leftMargin: Theme.gapWide
            text: qsTr("Back to Themes")
            onClicked: appWindow.navigate("ThemesScreen")
        }
        Button {
            objectName: "doneButton"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            anchors.rightMargin: Theme.gapWide
            text: qsTr("Done")
            enabled: project.slidesNumber !== 0
            onClicked: {
                project.save()
                appWindow.navigate("SettingsScreen")
            }
        }
    }

    Chooser {
        id: imagesDialog
        objectName: "imagesDialog"
        selectMultiple: true
        startFolder: chooserFolders.photos
        nameFilters: [qsTr("Import Image Files (%1)").arg(project.pictureFilter)]
        onAccepted: {
            chooserFolders.chosen("photos", fileUrls)
            project.addImages(fileUrls)
        }
    }
    Chooser {
        id: folderDialog
        objectName: "folderDialog"
        selectFolder: true
        startFolder: chooserFolders.photos
        nameFilters: [qsTr("Import Image Files (%1)").arg(project.pictureFilter)]
        onAccepted: {
            chooserFolders.chosen("photos", fileUrls)
            project.addImagesFolder(fileUrls)
        }
    }
    Chooser {
        id: audioDialog
        objectName: "audioDialog"
        selectMultiple: true
        startFolder: chooserFolders.music
        nameFilters: [qsTr("Open Audio File (%1)").arg(project.musicFilter)]
        onAccepted: {
            chooserFolders.chosen("music", fileUrls)
            project.addAudio(fileUrls)
        }
    }
    PopupAddTextScene { id: textPopup }
    PopupAudioTracks {
        id: audioPopup
        onAddAudio: audioDialog.show()
    }
}
