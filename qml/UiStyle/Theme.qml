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
    // Text sizes, smallest first: notes under a control, captions and controls, body text,
    // labels, titles, screen headings.
    readonly property int fontSmall: 12
    readonly property int fontCaption: 14
    readonly property int fontBody: 15
    readonly property int fontLabel: 16
    readonly property int fontTitle: 18
    readonly property int fontHeading: 28
    // Spacings, margins and paddings, smallest first; `spacing` is the usual gap between controls.
    readonly property int hairline: 2
    readonly property int gapTiny: 4
    readonly property int gapSmall: 6
    readonly property int gapNarrow: 10
    readonly property int gapMedium: 12
    readonly property int spacing: 16
    readonly property int gapLarge: 20
    readonly property int gapWide: 24
    readonly property int gapBroad: 30
    readonly property int radius: 6
}
