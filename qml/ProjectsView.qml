import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Column {
    id: projectsView
    objectName: "projectsView"
    // Follows the list itself, so a themes screen made anew shows the toggle as the list is.
    readonly property bool maximised: savedProjects.currentVisibleNumber > 1
    visible: savedProjects.currentVisibleNumber > 0
    spacing: Theme.gapMedium

    Row {
        spacing: Theme.gapLarge
        Heading { text: qsTr("My Recent Projects") }
        Label {
            objectName: "toggleProjects"
            anchors.verticalCenter: parent.verticalCenter
            visible: savedProjects.currentVisibleNumber > 1 || savedProjects.hasMore
            text: "<a href=\"#\">" + (projectsView.maximised ? qsTr("Hide all") : qsTr("Show all")) + "</a>"
            textFormat: Text.StyledText
            linkColor: Theme.accent
            onLinkActivated: {
                if (projectsList.count === 1)
                    savedProjects.showMore(5)
                else
                    savedProjects.hideAll()
            }
        }
    }

    ListView {
        id: projectsList
        width: parent.width
        height: contentHeight
        interactive: false
        spacing: Theme.gapMedium
        model: savedProjects
        delegate: Rectangle {
            width: projectsList.width
            // Taller when its buttons wrap in a narrow window.
            height: Math.max(196, details.implicitHeight + 28)
            radius: Theme.radius
            color: Theme.panel
            Image {
                id: cover
                x: 14; y: 14
                width: 300; height: 168
                fillMode: Image.PreserveAspectCrop
                source: "image://SavedProjectImageProvider/" + model.thumb
                cache: false
            }
            Column {
                id: details
                anchors.left: cover.right
                anchors.leftMargin: Theme.gapLarge
                anchors.right: parent.right
                anchors.rightMargin: Theme.gapMedium
                anchors.top: cover.top
                spacing: Theme.gapMedium
                Label {
                    objectName: "projectHeading"
                    width: parent.width
                    elide: Text.ElideRight
                    property bool showsFullTextOnHover: true
                    // The person's title first, when there is one; the theme's name otherwise.
                    text: (model.title !== "" ? model.title + " · " + model.name : model.name)
                          + " - " + model.lastModified
                    textFormat: Text.PlainText
                    font.bold: true
                    color: Theme.text
                    font.pixelSize: Theme.fontLabel
                    ToolTip.visible: truncated && headingHover.containsMouse
                    ToolTip.text: text
                    MouseArea {
                        id: headingHover
                        anchors.fill: parent
                        hoverEnabled: true
                        acceptedButtons: Qt.NoButton
                    }
                }
                Row {
                    spacing: Theme.gapSmall
                    Repeater {
                        model: imgs
                        Image {
                            width: 50; height: 50
                            fillMode: Image.PreserveAspectCrop
                            source: "image://SavedProjectImageProvider/" + modelData
                            cache: false
                        }
                    }
                }
                Flow {
                    // Wraps in a narrow window rather than running out of the panel.
                    width: parent.width
                    spacing: Theme.gapMedium
                    Button {
                        objectName: "resumeButton"
                        text: qsTr("Resume project")
                        onClicked: {
                            project.loadPrj(index)
                            templates.selectedId = project.themeId
                            templates.selectionDone()
                            appWindow.navigate("MainScreen")
                        }
                    }
                    BButton {
                        objectName: "renameProjectButton"
                        text: qsTr("Rename")
                        onClicked: {
                            renamePopup.index = index
                            renameField.text = model.title
                            renamePopup.open()
                            renameField.forceActiveFocus()
                            renameField.selectAll()
                        }
                    }
                    BButton {
                        objectName: "deleteProjectButton"
                        text: qsTr("Delete project")
                        onClicked: {
                            deleteQuestion.index = index
                            deleteQuestion.message = qsTr("“%1” of %2 is deleted for good. The photos and music it uses stay where they are.").arg(model.name).arg(model.lastModified)
                            deleteQuestion.open()
                        }
                    }
                }
            }
        }
    }

    Popup {
        id: renamePopup
        objectName: "renamePopup"
        property int index: -1
        width: 480
        Column {
            width: parent.width
            spacing: Theme.spacing
            Heading { text: qsTr("Rename Project") }
            TextField {
                id: renameField
                objectName: "renameField"
                width: parent.width
                placeholderText: qsTr("A name for this slideshow")
                onAccepted: renameOk.clicked()
            }
            Label {
                width: parent.width
                wrapMode: Text.Wrap
                color: Theme.secondaryText
                text: qsTr("Its videos are named after it.")
            }
            Row {
                anchors.right: parent.right
                spacing: Theme.spacing
                BButton {
                    text: qsTr("Cancel")
                    onClicked: renamePopup.close()
                }
                Button {
                    id: renameOk
                    objectName: "renameOkButton"
                    text: qsTr("OK")
                    onClicked: {
                        if (savedProjects.rename(renamePopup.index, renameField.text))
                            renamePopup.close()
                    }
                }
            }
        }
    }

    PopupQuestion {
        id: deleteQuestion
        objectName: "deleteProjectPopup"
        property int index: -1
        title: qsTr("Delete this project?")
        otherAnswer: qsTr("Keep")
        mainAnswer: qsTr("Delete")
        onAnsweredMain: savedProjects.remove(index)
    }

    Label {
        visible: projectsView.maximised && savedProjects.hasMore
        text: "<a href=\"#\">" + qsTr("... load more") + "</a>"
        textFormat: Text.StyledText
        linkColor: Theme.accent
        onLinkActivated: savedProjects.showMore(5)
    }
}
