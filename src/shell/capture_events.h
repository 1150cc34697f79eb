#pragma once
// What the capture thread hands to the main window, as posted Qt events. The
// sink is called on the capture thread; postEvent is safe there and returns at once.
#include <QCoreApplication>
#include <QEvent>
#include <QString>

#include "capture/capture_thread.h"
#include "views/main_window.h"

namespace kestrovin {

class CaptureInfoEvent final : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 0x456);
    explicit CaptureInfoEvent(QString text) : QEvent(kType), text_(std::move(text)) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

class LineLostEvent final : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 0x457);
    LineLostEvent() : QEvent(kType) {}
};

class QtCaptureSink final : public CaptureSink {
public:
    explicit QtCaptureSink(QObject& receiver) : receiver_(receiver) {}
    void PostEdgeList(EdgeBlock block) override {
        QCoreApplication::postEvent(&receiver_, new EdgeListEvent(std::move(block)));
    }
    void PostInfo(const std::string& text) override {
        QCoreApplication::postEvent(&receiver_, new CaptureInfoEvent(QString::fromStdString(text)));
    }
    void PostLineLost() override { QCoreApplication::postEvent(&receiver_, new LineLostEvent); }

private:
    QObject& receiver_;  // outlives the capture port
};

}  // namespace kestrovin
