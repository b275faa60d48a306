#pragma once

#include <functional>

namespace clavora {

class ResultsStore;
class UserProfile;

namespace CertificateOffer {

// -1 when every section of the course holds a lesson with Bronze or better, else the course entry
// of the first lesson of the first section without one: the course's own section check.
int CertificateEligibility(const ResultsStore& store);

// Whether the certificate is to be offered after a lesson's result: once per user, when the end of
// the course has been reached and the eligibility (asked only then) is -1.
bool IsDue(const UserProfile& profile, const std::function<int()>& eligibility);

} // namespace CertificateOffer

} // namespace clavora
