import QtQuick
import QtQuick.Layouts
import BrandConfig
import UIVantorelContent

// The program's name, version and copyright.
FormDialog {
    boxTitle: qsTr("About")
    preferredHeight: 223
    formSpacing: 16

    FormLabel {
        heading: true
        text: qsTr("Software Information")
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 8

        FormLabel {
            text: qsTr("Software: %1").arg(BrandConfig.softwareName)
        }

        FormLabel {
            objectName: "aboutVersion"
            text: qsTr("Version: %1").arg(Qt.application.version)
        }

        FormLabel {
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            text: BrandConfig.copyright
        }

        FormLabel {
            text: qsTr("All rights reserved.")
        }
    }

    Item {
        Layout.fillHeight: true
    }
}
