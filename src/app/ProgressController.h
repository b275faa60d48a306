#pragma once

#include "app/CertificateFlow.h"
#include "app/SubsystemController.h"

namespace clavora {

// The progress commands: reports, goal speed, high scores, the results view and the certificate.
class ProgressController final : public SubsystemController
{
public:
    explicit ProgressController(MainController& main);

    bool HandleCommand(int commandId) override;

    CertificateFlow& Certificates() { return m_certificates; }

private:
    CertificateFlow m_certificates;
};

} // namespace clavora
