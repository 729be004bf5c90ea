// The chart tab: it shows the schedule the grid holds after every build, load and clearing.
#include "Guarded.h"
#include "LineCoder.h"
#include "LoanFieldControls.h"
#include "RecordWriter.h"
#include "ScheduleChart.h"
#include "ScriptedMessages.h"
#include "TForm1.h"
#include "WorkedExampleLoan.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// Pixels of exactly this colour in the chart as its tab shows it.
int pixelsOf(ScheduleChart* chart, const QColor& colour) {
    const QImage image = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour.rgb();
    return count;
}

} // namespace

class ScheduleChartTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_messages = std::make_unique<ScriptedMessages>();
        m_form = std::make_unique<TForm1>(*m_messages);
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup() {
        m_form.reset();
        m_messages.reset();
    }

    void tabBesideTheLists() {
        QTabWidget* tabs = m_form->PCSpiski;
        const int index = tabs->indexOf(m_form->TSDiagramma);
        QCOMPARE(index, 3);
        QCOMPARE(tabs->tabText(index), QStringLiteral("Диаграмма"));
        QVERIFY(tabs->isTabEnabled(index));
        QCOMPARE(m_form->Diagramma->parentWidget(), m_form->TSDiagramma);
        QCOMPARE(tabs->currentWidget(), m_form->TS1);
    }

    void followsEveryBuildAndClearing() {
        ScheduleChart* chart = m_form->Diagramma;
        m_form->PCSpiski->setCurrentWidget(m_form->TSDiagramma);
        QVERIFY(chart->width() > 300 && chart->height() > 200);
        QVERIFY(chart->points().isEmpty());
        // Empty, the chart shows the colours in its legend only.
        const int legendPrincipal = pixelsOf(chart, ScheduleChart::PrincipalColour);
        const int legendInterest = pixelsOf(chart, ScheduleChart::InterestColour);
        const int legendDebt = pixelsOf(chart, ScheduleChart::DebtColour);
        QVERIFY(legendPrincipal > 0 && legendInterest > 0 && legendDebt > 0);

        fillWorkedExampleLoan(*m_form);
        QTest::mouseClick(m_form->BBGraf, Qt::LeftButton);
        QCOMPARE(chart->points().size(), 12);
        QCOMPARE(chart->points().front().debt, 92131.51L);
        QVERIFY(pixelsOf(chart, ScheduleChart::PrincipalColour) > legendPrincipal + 1000);
        QVERIFY(pixelsOf(chart, ScheduleChart::InterestColour) > legendInterest + 100);
        QVERIFY(pixelsOf(chart, ScheduleChart::DebtColour) > legendDebt + 100);

        m_form->ESrok0->setText(QStringLiteral("36"));
        QTest::mouseClick(m_form->BBGraf, Qt::LeftButton);
        QCOMPARE(chart->points().size(), 36);
        QCOMPARE(chart->points().back().date, QDate(2023, 1, 15));
        QCOMPARE(chart->points().back().debt, 0.0L);

        QTest::mouseClick(m_form->ClearGrafik, Qt::LeftButton);
        QVERIFY(chart->points().isEmpty());
        QCOMPARE(pixelsOf(chart, ScheduleChart::PrincipalColour), legendPrincipal);
        QCOMPARE(pixelsOf(chart, ScheduleChart::DebtColour), legendDebt);
    }

    // Loading a record puts the saved cells back into the grid without a build.
    void followsALoadedRecord() {
        fillWorkedExampleLoan(*m_form);
        QTest::mouseClick(m_form->BBGraf, Qt::LeftButton);
        QRandomGenerator random(3);
        QByteArray bytes;
        for (const QString& line :
             Storage::RecordLines(WindowRecord(*m_form), QDate(2024, 3, 1), random))
            bytes += Storage::EncodeLine(line).toLatin1() + "\r\n";
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Кредит.sdg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();

        QTest::mouseClick(m_form->ClearGrafik, Qt::LeftButton);
        QVERIFY(m_form->Diagramma->points().isEmpty());
        guarded(&m_form->errors(), m_form.get(), [&] {
            m_form->sharedTextFile().openRead(path);
            m_form->ListLoadData(m_form->List);
        });
        QCOMPARE(m_messages->takeMessages(), QStringList{});
        const QList<Report::SeriesPoint> points = m_form->Diagramma->points();
        QCOMPARE(points.size(), 12);
        QCOMPARE(points[1],
                 (Report::SeriesPoint{QDate(2020, 3, 15), 8008.88L, 876.0L, 84122.63L, false}));
        QVERIFY(m_form->Kopirovat->isEnabled());
    }

private:
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TForm1> m_form;
};

QTEST_MAIN(ScheduleChartTest)
#include "tst_schedulechart.moc"
