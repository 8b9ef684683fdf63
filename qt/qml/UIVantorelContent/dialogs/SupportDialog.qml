import QtQuick
import QtQuick.Layouts
import BrandConfig
import UIVantorelContent

// The maker's contact details.
FormDialog {
    id: dialog

    readonly property color linkColour: "#007BFF"

    function defined(value) {
        return value !== undefined && value !== null && value !== ""
    }

    boxTitle: qsTr("Support")
    preferredHeight: 240
    formSpacing: 16

    FormLabel {
        heading: true
        text: qsTr("Company Information")
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 8

        FormLabel {
            text: qsTr("Company: %1").arg(BrandConfig.companyName)
        }

        FormLabel {
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            text: qsTr("Address: %1").arg(BrandConfig.companyAddress)
        }

        FormLabel {
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            visible: dialog.defined(BrandConfig.telephone)
            text: qsTr("Telephone: %1").arg(BrandConfig.telephone)
        }

        FormLabel {
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            visible: dialog.defined(BrandConfig.mobile)
            text: qsTr("Mobile: %1").arg(BrandConfig.mobile)
        }

        Row {
            spacing: 4

            FormLabel {
                text: qsTr("Email: ")
            }

            FormLabel {
                objectName: "supportEmail"
                text: BrandConfig.email

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: Qt.openUrlExternally("mailto:%1".arg(BrandConfig.email))
                }
            }
        }

        Row {
            spacing: 4

            FormLabel {
                text: qsTr("Website: ")
            }

            FormLabel {
                objectName: "supportWebsite"
                text: BrandConfig.website
                color: dialog.linkColour

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: Qt.openUrlExternally("https://%1".arg(BrandConfig.website))
                }
            }
        }

        FormLabel {
            objectName: "supportMore"
            Layout.topMargin: 8
            text: qsTr("More Support")
            color: dialog.linkColour

            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: Qt.openUrlExternally(BrandConfig.downloadsite)
            }
        }
    }

    Item {
        Layout.fillHeight: true
    }
}
