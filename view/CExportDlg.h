#pragma once

#include "platform/TemplateDialog.h"
#include "render/ExportSize.h"

namespace plovex {

// Asks for the size of an exported picture, in pixels from 1 to 20000 a side, and whether it
// keeps the graph's visible region or its scales; OK and Cancel.
class CExportDlg : public TemplateDialog {
    Q_OBJECT

public:
    static constexpr int kMaxSide = 20000;

    explicit CExportDlg(QWidget* parent = nullptr);

    int m_width = 610;
    int m_height = 238;
    ExportKeep m_keep = ExportKeep::Region;

protected:
    void DoDataExchange(DataExchange& exchange) override;
};

} // namespace plovex
