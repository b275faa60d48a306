#pragma once

#include <QString>

namespace clavora {

// What a long load tells the user while it runs, and how the user can stop it.
class ProgressReporter
{
public:
    virtual ~ProgressReporter() = default;

    virtual bool IsCancelled() = 0;
    virtual void SetStatus(const QString& text) = 0;
    // 0 to 1.
    virtual void SetFraction(double fraction) = 0;
    virtual void ReportError(const QString& text) = 0;
};

// For loads that run without a window.
class SilentProgressReporter final : public ProgressReporter
{
public:
    bool IsCancelled() override { return false; }
    void SetStatus(const QString&) override {}
    void SetFraction(double) override {}
    void ReportError(const QString&) override {}
};

} // namespace clavora
