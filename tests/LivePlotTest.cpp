// The lab's live plot, offscreen: a refresh that redraws the curves' layer alone must show
// what the same plot drawn whole by a plain QCustomPlot shows.
#include "LivePlot.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// What changes with every run: two curves, a marker at a key and a line of numbers.
struct TScene {
    std::vector<QCPGraph*> Curves;
    QCPItemStraightLine* Marker = nullptr;
    QCPTextElement* Numbers = nullptr;
};

// One picture, built on a plain QCustomPlot or on a LivePlot through its own calls: either
// two axis rects of the plot's own, or the first axis rect with its legend over the curves.
TScene Build(QCustomPlot& plot, bool ownRects) {
    auto* live = dynamic_cast<Fourier::LivePlot*>(&plot);
    if (ownRects) live ? live->ClearLayout() : plot.plotLayout()->clear();
    TScene scene;
    if (live) {
        scene.Numbers = live->AddNumbersLine(QStringLiteral("Numbers"));
    } else {
        plot.plotLayout()->insertRow(0);
        scene.Numbers = new QCPTextElement(&plot, QString(), plot.font());
        plot.plotLayout()->addElement(0, 0, scene.Numbers);
    }
    std::vector<QCPAxisRect*> rects;
    if (ownRects) {
        for (int row = 1; row <= 2; ++row) {
            QCPAxisRect* rect = live ? live->AddAxisRect() : new QCPAxisRect(&plot);
            plot.plotLayout()->addElement(row, 0, rect);
            rects.push_back(rect);
        }
    } else {
        rects = {plot.axisRect(), plot.axisRect()};
        plot.legend->setVisible(true);
        plot.axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);
    }
    const QColor colours[] = {QColor(0, 90, 200), QColor(200, 0, 0)};
    for (int c = 0; c < 2; ++c) {
        QCPAxis* keys = rects[c]->axis(QCPAxis::atBottom);
        QCPAxis* values = rects[c]->axis(QCPAxis::atLeft);
        keys->setRange(0, 100);
        values->setRange(-1.2, 1.2);
        QCPGraph* curve = plot.addGraph(keys, values);
        curve->setPen(QPen(colours[c], 1));
        curve->setName(c ? QStringLiteral("second") : QStringLiteral("first"));
        scene.Curves.push_back(curve);
    }
    scene.Marker = new QCPItemStraightLine(&plot);
    scene.Marker->setPen(QPen(Qt::black, 1, Qt::DashLine));
    scene.Marker->setClipAxisRect(rects[0]);
    for (QCPItemPosition* end : {scene.Marker->point1, scene.Marker->point2}) {
        end->setAxes(rects[0]->axis(QCPAxis::atBottom), rects[0]->axis(QCPAxis::atLeft));
        end->setAxisRect(rects[0]);
        end->setTypeY(QCPItemPosition::ptAxisRectRatio);
    }
    return scene;
}

// A run: sine curves of the given phase, reaching the top right corner where the legend
// lies, the marker at `key`, the numbers of the run.
void Show(const TScene& scene, double phase, double key) {
    for (std::size_t c = 0; c < scene.Curves.size(); ++c) {
        QVector<double> keys, values;
        for (int i = 0; i <= 100; ++i) {
            keys << i;
            values << std::sin(0.08 * i * (c + 1) + phase);
        }
        scene.Curves[c]->setData(keys, values, true);
    }
    scene.Marker->point1->setCoords(key, 0);
    scene.Marker->point2->setCoords(key, 1);
    scene.Numbers->setText(QStringLiteral("phase %1, key %2").arg(phase).arg(key));
}

// The largest difference of a colour channel between two pictures of one size.
int LargestDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int largest = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

// After a run that keeps the ranges, Refresh redraws the live layer alone (no whole replot);
// the picture is then the plain plot's: nothing that changes with a run is left on a layer
// that was not redrawn, and the layers keep the plain plot's order (the legend over the
// curves, the axes and grid under them). Blending the layers' buffers may round a smoothed
// edge differently by a level or two, no more.
TEST(LivePlotTest, ARefreshOfTheLiveLayerShowsWhatAPlainPlotDrawnWholeShows) {
    for (bool ownRects : {true, false}) {
        SCOPED_TRACE(ownRects ? "axis rects of its own" : "the first axis rect and a legend");
        QCustomPlot plain;
        Fourier::LivePlot live(QStringLiteral("LivePlot"));
        for (QCustomPlot* plot :
             {static_cast<QCustomPlot*>(&plain), static_cast<QCustomPlot*>(&live)}) {
            plot->resize(480, 360);
            plot->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(plot));
        }
        const TScene plainScene = Build(plain, ownRects);
        const TScene liveScene = Build(live, ownRects);
        Show(plainScene, 0.0, 20);
        Show(liveScene, 0.0, 20);
        plain.replot();
        live.Refresh();

        Show(plainScene, 1.3, 70);
        Show(liveScene, 1.3, 70);
        plain.replot();
        QSignalSpy wholeReplots(&live, &QCustomPlot::afterReplot);
        live.Refresh();
        EXPECT_EQ(wholeReplots.count(), 0);
        EXPECT_LE(LargestDifference(live.grab().toImage(), plain.grab().toImage()), 2);
    }
}

} // namespace
