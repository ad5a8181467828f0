import QtQuick 2.9
import QtQuick.Controls 2.2

Item {
    id: screens
    property alias stack: stackView

    StackView {
        id: stackView
        anchors.fill: parent
        // The screen shown has the keys (Tab starts from it) whenever the window is active.
        focus: true
        initialItem: appWindow.componentsCache["ThemesScreen"]
    }

    Connections {
        target: templates
        function onTemplateDownloaded() {
            appWindow.navigate(render.downloadArrived(stackView.currentItem ? stackView.currentItem.objectName : ""))
        }
        function onDownloadError() {
            console.log("onBgDownloadError")
            downloadErrorPopup.open()
        }
    }
    Connections {
        target: render
        function onStopped() { appWindow.navigate("SettingsScreen") }
        function onDone() { appWindow.navigate("DoneScreen") }
        // A failed render stays on the rendering screen, which says why.
        function onPhotosMissing(paths) {
            missingPhotosPopup.files = paths
            missingPhotosPopup.open()
        }
    }
    Connections {
        target: project
        function onMissedImageFiles(files) { missedFilesPopup.show(files) }
    }

    PopupDownloadError { id: downloadErrorPopup }
    PopupMissedImageFiles { id: missedFilesPopup }
    PopupQuestion {
        id: missingPhotosPopup
        objectName: "missingPhotosPopup"
        title: qsTr("Some photos are missing")
        message: qsTr("These photos were moved or deleted after they were added. Remove them from the project and make the video without them, or go back to the editor.")
        otherAnswer: qsTr("Back to the Editor")
        mainAnswer: qsTr("Remove and Make Video")
        onAnsweredOther: appWindow.navigate("MainScreen")
        onAnsweredMain: appWindow.navigate(render.makeVideoWithoutMissing())
    }
}
