#include "support/HorlogeFactice.h"

namespace velorin::test {

HorlogeFactice::HorlogeFactice(QDateTime depart) : maintenant_(std::move(depart)) {}

void HorlogeFactice::attendre(int ms)
{
    ++attentes;
    totalAttenduMs += ms;
    maintenant_ = maintenant_.addMSecs(ms);
    if (surAttente) surAttente(attentes);
}

} // namespace velorin::test
