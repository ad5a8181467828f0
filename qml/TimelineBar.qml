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
                id: timelineBar
                objectName: "timelineBar"
                width: parent.width
                value: project.timelineValue / 100
                // The music's beats, faintly, where the cuts may fall.
                Repeater {
                    objectName: "beatMarks"
                    model: beats.marks
                    Rectangle {
                        x: modelData * timelineBar.width
                        y: -3
                        width: 1
                        height: timelineBar.height + 6
                        color: Theme.secondaryText
                        opacity: 0.35
                    }
                }
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
                objectName: "beatNote"
                width: parent.width
                visible: text !== ""
                text: beats.note
                wrapMode: Text.Wrap
                color: Theme.secondaryText
                font.pixelSize: Theme.fontSmall
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
            // How long photos rest, whether the video ends with the music, and whether the
            // scenes change on its beats.
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
                CheckBox {
                    objectName: "beatCheck"
                    anchors.verticalCenter: paceButton.verticalCenter
                    visible: project.audioFilesCount > 0
                    text: qsTr("Cut on the beat")
                    checked: project.cutsOnBeat
                    onToggled: project.setCutsOnBeat(checked)
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
