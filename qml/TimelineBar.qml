import QtQuick 2.9
import QtQuick.Controls 2.2
import QtQuick.Layouts 1.3
import UiStyle 1.0

// The editor's timeline: how long the video is against the music, what is left out, and the
// music itself.
Rectangle {
    id: timeline
    // A click on the bar, the audio button or the label: the track list, or a chooser when
    // there is no music yet.
    signal musicWanted()
    height: Math.max(84, timelineColumn.implicitHeight + 24)
    color: Theme.panel

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: Theme.gapWide
        anchors.rightMargin: Theme.gapWide
        spacing: Theme.spacing
        Column {
            id: timelineColumn
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            spacing: Theme.gapSmall
            ProgressBar {
                objectName: "timelineBar"
                width: parent.width
                value: project.timelineValue / 100
                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -10
                    cursorShape: Qt.PointingHandCursor
                    onClicked: timeline.musicWanted()
                }
            }
            Label {
                objectName: "timelineText"
                text: project.timelineText
                color: Theme.secondaryText
            }
            Label {
                objectName: "musicNote"
                width: parent.width
                visible: text !== ""
                text: project.musicNote
                wrapMode: Text.Wrap
                color: Theme.secondaryText
                font.pixelSize: Theme.fontSmall
            }
            // How long photos rest, and whether the video ends with the music.
            Row {
                spacing: Theme.spacing
                BButton {
                    id: paceButton
                    objectName: "paceButton"
                    text: qsTr("Pace: %1").arg(project.paceText)
                    onClicked: paceMenu.open()
                    Menu {
                        id: paceMenu
                        objectName: "paceMenu"
                        // Above the button: the timeline is at the window's foot.
                        y: -height
                        Repeater {
                            model: 9
                            MenuItem {
                                objectName: "paceChoice" + index
                                text: project.paceName(index)
                                onTriggered: project.setPace(index)
                            }
                        }
                    }
                }
                CheckBox {
                    objectName: "fitCheck"
                    anchors.verticalCenter: paceButton.verticalCenter
                    visible: project.audioFilesCount > 0
                    text: qsTr("Fit to music")
                    checked: project.fitsMusic
                    onToggled: project.setFitsMusic(checked)
                }
            }
        }
        BButton {
            id: audioButton
            objectName: "audioButton"
            Layout.alignment: Qt.AlignVCenter
            text: project.audioFilesCount > 0 ? qsTr("Edit Audio") : qsTr("Add Audio")
            onClicked: timeline.musicWanted()
        }
        Label {
            id: audioText
            objectName: "audioText"
            property bool showsFullTextOnHover: true
            Layout.alignment: Qt.AlignVCenter
            // Room for the whole hint; a long song name elides and shows in full on hover.
            Layout.maximumWidth: Math.max(280, timeline.width * 0.4)
            elide: Text.ElideRight
            color: Theme.text
            text: project.audioLabel
            ToolTip.visible: truncated && audioTextHover.containsMouse
            ToolTip.text: text
            MouseArea {
                id: audioTextHover
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: timeline.musicWanted()
            }
        }
    }
}
