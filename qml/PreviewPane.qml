import QtQuick 2.9
import QtQuick.Controls 2.2
import QtQuick.Layouts 1.3
import UiStyle 1.0
import Lumavive 1.0

// The editor's preview: the picture, a bar to seek with, play and close, and what the preview
// has to say (a sound device that gave up, photos it could not read).
Rectangle {
    id: previewPane
    objectName: "previewPane"
    visible: preview.open
    height: previewColumn.implicitHeight + 24
    color: Theme.panel
    radius: 4

    Column {
        id: previewColumn
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: Theme.gapMedium
        spacing: Theme.gapNarrow
        PreviewView {
            objectName: "previewView"
            width: parent.width
            height: width * 9 / 16
        }
        ProgressBar {
            objectName: "scrubBar"
            width: parent.width
            value: preview.position
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: preview.seekTo(mouse.x / width)
            }
        }
        RowLayout {
            width: parent.width
            spacing: Theme.spacing
            Button {
                objectName: "previewPlayButton"
                text: preview.playing ? qsTr("Pause") : qsTr("Play")
                onClicked: preview.togglePlay(slideGrid.selectedRows)
            }
            Label {
                objectName: "previewTime"
                Layout.fillWidth: true
                text: preview.timeText
                color: Theme.text
            }
            BButton {
                objectName: "previewCloseButton"
                text: qsTr("Close")
                onClicked: preview.close()
            }
        }
        Label {
            objectName: "previewNote"
            width: parent.width
            visible: text !== ""
            text: preview.note
            wrapMode: Text.Wrap
            color: Theme.secondaryText
            font.pixelSize: Theme.fontSmall
        }
    }
}
