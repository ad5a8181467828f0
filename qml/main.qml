import QtQuick 2.9
import QtQuick.Window 2.2
import QtQuick.Controls 2.2
import UiStyle 1.0

ApplicationWindow {
    id: appWindow
    objectName: "appWindow"
    visible: true
    width: Screen.width >= 1500 ? 1300 : Screen.width
    height: Screen.width >= 1500 ? 900 : Screen.height
    minimumWidth: 1000
    minimumHeight: 600
    flags: Qt.Window | Qt.WindowFullscreenButtonHint
    title: "Lumavive"
    color: Theme.background

    property var componentsOrder: ["ThemesScreen", "AddBackgroundMusicScreen", "MainScreen",
        "SettingsScreen", "DownloadingScreen", "RenderingScreen", "DoneScreen"]
    property string currentComponent: "ThemesScreen"
    property var componentsCache: ({})
    property string lastTransition: ""
    property var stackView: screensLoader.item ? screensLoader.item.stack : null

    // An empty name stays on the screen shown (a presenter said why nothing happens).
    function navigate(name) {
        if (name === "")
            return
        console.log("Navigating to " + name)
        var backwards = componentsOrder.indexOf(name) < componentsOrder.indexOf(currentComponent)
        lastTransition = backwards ? "pop" : "push"
        // Handed over as a component, the stack makes the screen and destroys the one it
        // replaces once the transition is over.
        stackView.replace(stackView.currentItem, componentsCache[name], {},
                          backwards ? StackView.PopTransition : StackView.PushTransition)
        currentComponent = name
    }

    // Keys always reach the screen shown: after a pop-up or a chooser closes, Tab goes on from it.
    function focusScreen() {
        if (active && !activeFocusItem && stackView && stackView.currentItem)
            stackView.currentItem.forceActiveFocus()
    }
    onActiveFocusItemChanged: focusScreen()
    onActiveChanged: focusScreen()

    // Closing saves the project; while a video is being made the person is asked first.
    onClosing: {
        close.accepted = session.mayClose(appWindow)
        if (!close.accepted)
            quitWhileRenderingPopup.open()
    }

    Component.onCompleted: {
        // Where it was left, or centred the first time.
        if (!session.placeWindow(appWindow)) {
            x = Screen.virtualX + (Screen.width - width) / 2
            y = Screen.virtualY + (Screen.height - height) / 2
        }
        // What goes wrong while a video is made shows on the rendering screen, not over it.
        commonError.error.connect(function(msg) { if (!render.isRendering) commonErrorPopup.show(msg) })
        commonError.problem.connect(function(title, msg) { if (!render.isRendering) commonErrorPopup.showNotice(title, msg) })
        project.filesSkipped.connect(function(title, msg) { commonErrorPopup.showNotice(title, msg) })
        commonError.appHasFailed.connect(function() {
            if (!appSettings.contains("dontShowPopupLeave"))
                leavePopup.open()
        })
        for (var i = 0; i < componentsOrder.length; ++i)
            componentsCache[componentsOrder[i]] =
                    Qt.createComponent("qrc:/" + componentsOrder[i] + ".qml")
        screensLoader.source = "qrc:/Screens.qml"
    }

    Loader {
        id: screensLoader
        anchors.fill: parent
        asynchronous: true
    }

    Rectangle {
        id: splash
        anchors.fill: parent
        color: Theme.background
        visible: screensLoader.status !== Loader.Ready

        Image {
            id: splashImage
            anchors.centerIn: parent
            anchors.verticalCenterOffset: -40
            width: 620
            height: 300
            source: "qrc:/assets/images/SplashScreen@2x.png"
            opacity: 0
        }
        BusyIndicator {
            id: splashBusy
            anchors.top: splashImage.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            opacity: 0
        }
        SequentialAnimation {
            running: true
            PauseAnimation { duration: 400 }
            NumberAnimation { target: splashImage; property: "opacity"; to: 1; duration: 800; easing.type: Easing.OutQuad }
            NumberAnimation { target: splashBusy; property: "opacity"; to: 1; duration: 800; easing.type: Easing.OutQuad }
        }
    }

    PopupCommonError { id: commonErrorPopup }
    PopupLeaveMsg { id: leavePopup }
    PopupQuestion {
        id: quitWhileRenderingPopup
        objectName: "quitWhileRenderingPopup"
        title: qsTr("A video is being made")
        message: qsTr("If you quit now, the video stops and the unfinished file is removed. Your project is saved either way.")
        otherAnswer: qsTr("Keep Rendering")
        mainAnswer: qsTr("Stop and Quit")
        onAnsweredMain: session.stopRenderAndQuit()
    }
}
