import QtQuick 2.12

// The keyboard focus ring: a bright outline just outside its parent, in one colour for every
// control, so that it stands out on the blue buttons as on the dark panels.
Rectangle {
    property bool shown: false
    anchors.fill: parent
    anchors.margins: -4
    radius: parent.radius !== undefined ? parent.radius + 4 : 4
    color: "transparent"
    border.width: 2
    border.color: Theme.focus
    visible: shown
    z: 10
}
