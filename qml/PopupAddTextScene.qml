import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Popup {
    id: popup
    objectName: "textPopup"
    property int editIndex: -1
    property alias text: area.text
    width: 560

    // Set when typing went past the limit, until the next text is accepted.
    property bool refused: false

    function openForAdd() { editIndex = -1; area.text = ""; refused = false; open(); area.forceActiveFocus() }
    function openForEdit(index, text) { editIndex = index; area.text = text; refused = false; open(); area.forceActiveFocus() }

    Column {
        width: parent.width
        spacing: Theme.spacing
        Heading {
            objectName: "textPopupTitle"
            text: popup.editIndex < 0 ? qsTr("Add Text Scene") : qsTr("Edit Text Scene")
        }
        TextArea {
            id: area
            objectName: "textArea"
            width: parent.width
            placeholderText: qsTr("Type your text here...")
            property string previous: ""
            // Longer texts are refused: the previous text stays.
            onTextChanged: {
                if (!slideGrid.fitsTextSlide(text)) {
                    var cursor = Math.min(cursorPosition, previous.length)
                    text = previous
                    cursorPosition = cursor
                    popup.refused = true
                } else {
                    previous = text
                }
            }
        }
        Label {
            objectName: "textCounter"
            text: slideGrid.textCounter(area.length, popup.refused)
            color: popup.refused ? Theme.focus : Theme.secondaryText
        }
        Row {
            spacing: Theme.gapMedium
            anchors.right: parent.right
            BButton {
                text: qsTr("Cancel")
                onClicked: popup.close()
            }
            Button {
                objectName: "textOkButton"
                text: qsTr("OK")
                onClicked: {
                    if (popup.editIndex < 0)
                        slideGrid.addTextSlide(area.text) // after the selected slide
                    else
                        project.editTextSlide(popup.editIndex, area.text)
                    popup.close()
                }
            }
        }
    }
}
