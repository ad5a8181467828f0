import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

ListView {
    id: list
    model: project.audioFiles
    spacing: Theme.gapSmall
    clip: true
    implicitHeight: Math.min(contentHeight, 320)

    add: Transition { NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 600 } }
    remove: Transition { NumberAnimation { property: "height"; to: 0; duration: 250 } }

    delegate: Rectangle {
        width: list.width
        height: 56
        radius: 4
        color: Theme.background
        clip: true
        Column {
            anchors.left: parent.left
            anchors.leftMargin: Theme.gapMedium
            anchors.verticalCenter: parent.verticalCenter
            Label { text: modelData.songName; color: Theme.text; font.pixelSize: Theme.fontBody }
            Label { text: modelData.artistName; color: Theme.secondaryText; font.pixelSize: Theme.fontSmall }
        }
        Row {
            anchors.right: parent.right
            anchors.rightMargin: Theme.gapNarrow
            anchors.verticalCenter: parent.verticalCenter
            spacing: Theme.gapSmall
            Label {
                anchors.verticalCenter: parent.verticalCenter
                text: modelData.duration
                color: Theme.secondaryText
                rightPadding: Theme.gapNarrow
            }
            RoundButton {
                text: "\u2191"
                enabled: index > 0
                opacity: enabled ? 1 : 0.5
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Play earlier")
                onClicked: project.moveAudioBack(index)
            }
            RoundButton {
                text: "\u2193"
                enabled: project.audioFilesCount !== index + 1
                opacity: enabled ? 1 : 0.5
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Play later")
                onClicked: project.moveAudioForward(index)
            }
            RoundButton {
                icon.source: "qrc:/assets/images/icon-remove@2x.png"
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Remove")
                onClicked: project.removeAudio(index)
            }
        }
    }
}
