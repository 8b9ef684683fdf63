#pragma once
// The labels of the test report in its two languages. The report is Chinese when the
// interface is, and when there is no engine to ask; English otherwise. Every label still
// passes through the catalogues (context "SaveService").

#include <QString>

class QQmlEngine;

namespace ReportTexts {

enum class Text {
    Title,
    ExperimentInformation,
    SampleName,
    SampleModel,
    SampleNumber,
    Manufacturer,
    TestTime,
    Tester,
    DeviceId,
    IntegrationTime,
    MeasurementParameters,
    PageTitle,
};

bool isChinese(const QQmlEngine *engine);

// The label, translated; placeholders (%1) left for the caller.
QString text(Text id, bool chinese);

} // namespace ReportTexts
