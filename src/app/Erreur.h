#pragma once

#include <QString>

#include <stdexcept>

namespace velorin {

// The error every operation of the program throws internally; its text is French and is
// what the reporting convention shows after " : ".
class Erreur : public std::runtime_error {
public:
    explicit Erreur(const QString& texte) : std::runtime_error(texte.toStdString()), texte_(texte) {}
    const QString& texte() const { return texte_; }

private:
    QString texte_;
};

// Text of any exception, for the messages that follow " : ".
inline QString texteErreur(const std::exception& e)
{
    if (const auto* erreur = dynamic_cast<const Erreur*>(&e)) return erreur->texte();
    return QString::fromLocal8Bit(e.what());
}

} // namespace velorin
