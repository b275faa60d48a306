#include "progress/CertificateOffer.h"

#include "progress/LessonProgress.h"
#include "settings/UserProfile.h"

namespace clavora::CertificateOffer {

int CertificateEligibility(const ResultsStore& store)
{
    return FirstIncompleteSection(store);
}

bool IsDue(const UserProfile& profile, const std::function<int()>& eligibility)
{
    if (profile.Get(Profile::AwardCertOffered) || !profile.Get(Profile::HasReachedCourseEnd))
        return false;
    return eligibility() == -1;
}

} // namespace clavora::CertificateOffer
