#pragma once

#include "progress/CertificateRecord.h"

#include <QWidget>

namespace clavora {

// The certificate page in miniature, drawn by the same code that prints it.
class CertificatePreview final : public QWidget
{
    Q_OBJECT

public:
    explicit CertificatePreview(QWidget* parent = nullptr);

    void SetRecord(const CertificateRecord& record);
    const CertificateRecord& Record() const { return m_record; }
    QSize sizeHint() const override;

    // The page in points, landscape, of the record's paper.
    static QSizeF PageSizeInPoints(PaperForm paper);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CertificateRecord m_record;
};

} // namespace clavora
