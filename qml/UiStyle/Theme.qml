pragma Singleton
import QtQuick 2.12

// The colours and sizes every screen shares.
QtObject {
    readonly property color background: "#192936"
    readonly property color panel: "#273745"
    readonly property color text: "#E9E9E9"
    readonly property color secondaryText: "#889097"
    readonly property color accent: "#008AFF"
    readonly property color action: "#1D8CE4"
    readonly property color actionHovered: "#2A9BF0"
    readonly property color actionPressed: "#1570B8"
    readonly property color border: "#34495a"
    readonly property color scrim: "#99000000" // behind modal pop-ups
    readonly property color focus: "#FFC940" // the keyboard focus ring
    readonly property int spacing: 16
    readonly property int radius: 6
}
