#include "support/DialoguesScriptes.h"

namespace velorin::test {

void DialoguesScriptes::noter(Genre genre, const QString& texte)
{
    messages.append({genre, texte});
    if (surMessage) surMessage(messages.last());
}

void DialoguesScriptes::information(const QString& texte) { noter(Genre::Information, texte); }
void DialoguesScriptes::avertissement(const QString& texte) { noter(Genre::Avertissement, texte); }
void DialoguesScriptes::erreur(const QString& texte) { noter(Genre::Erreur, texte); }

bool DialoguesScriptes::question(const QString& texte)
{
    noter(Genre::Question, texte);
    return reponses.isEmpty() ? reponseParDefaut : reponses.dequeue();
}

Dialogues::Reponse DialoguesScriptes::questionAnnulable(const QString& texte)
{
    noter(Genre::QuestionAnnulable, texte);
    if (!reponsesAnnulables.isEmpty()) return reponsesAnnulables.dequeue();
    return reponseParDefaut ? Reponse::Oui : Reponse::Non;
}

QString DialoguesScriptes::choisirDossier(const QString& invite, const QString&)
{
    noter(Genre::Dossier, invite);
    return choix.isEmpty() ? QString() : choix.dequeue();
}

QString DialoguesScriptes::choisirFichierAOuvrir(const QString& titre, const QString&, const QString&)
{
    noter(Genre::FichierOuvrir, titre);
    return choix.isEmpty() ? QString() : choix.dequeue();
}

QString DialoguesScriptes::choisirFichierAEnregistrer(const QString& titre, const QString&, const QString&)
{
    noter(Genre::FichierEnregistrer, titre);
    return choix.isEmpty() ? QString() : choix.dequeue();
}

QColor DialoguesScriptes::choisirCouleur(const QColor& depart)
{
    noter(Genre::Couleur, depart.name());
    return couleurs.isEmpty() ? QColor() : couleurs.dequeue();
}

QStringList DialoguesScriptes::textes() const
{
    QStringList resultat;
    for (const auto& m : messages)
        if (m.genre == Genre::Information || m.genre == Genre::Avertissement || m.genre == Genre::Erreur)
            resultat.append(m.texte);
    return resultat;
}

QStringList DialoguesScriptes::questions() const
{
    QStringList resultat;
    for (const auto& m : messages)
        if (m.genre == Genre::Question || m.genre == Genre::QuestionAnnulable) resultat.append(m.texte);
    return resultat;
}

bool DialoguesScriptes::contient(const QString& morceau) const
{
    for (const auto& m : messages)
        if (m.texte.contains(morceau)) return true;
    return false;
}

} // namespace velorin::test
