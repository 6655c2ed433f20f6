#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <string>

#include "app/export_run.hpp"

namespace slidemint {

class TForm1;

// Carries an export run's reports from the run's thread to the window's
// thread, in the order they were made.
class TExportBridge : public ExportObserver {
public:
    explicit TExportBridge(TForm1& window);

    void ShowStatus(const std::string& text) override;
    void ShowSlide(const Bitmap& slide, int number, int count) override;
    void ShowMessage(const std::string& text) override;
    void FileStarted(const std::string& input, const std::string& output) override;
    void FileFailed(const std::string& input, const std::string& cause) override;

private:
    template <class F>
    void post(F call);

    TForm1& window_;
};

}  // namespace slidemint
