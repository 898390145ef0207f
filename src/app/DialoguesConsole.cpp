#include "app/DialoguesConsole.h"

#include <cstdio>

namespace velorin {

namespace {
void ecrire(const QString& prefixe, const QString& texte)
{
    std::fprintf(stderr, "%s%s\n", prefixe.toLocal8Bit().constData(), texte.toLocal8Bit().constData());
}
} // namespace

void DialoguesConsole::information(const QString& texte) { ecrire(QString(), texte); }

void DialoguesConsole::avertissement(const QString& texte) { ecrire(u"Attention : "_qs, texte); }

void DialoguesConsole::erreur(const QString& texte)
{
    erreurs_.append(texte);
    ecrire(u"Erreur : "_qs, texte);
}

bool DialoguesConsole::question(const QString& texte)
{
    ecrire(u"Question (réponse Non) : "_qs, texte);
    return false;
}

Dialogues::Reponse DialoguesConsole::questionAnnulable(const QString& texte)
{
    ecrire(u"Question (réponse Annuler) : "_qs, texte);
    return Reponse::Annuler;
}

QString DialoguesConsole::choisirDossier(const QString& invite, const QString&)
{
    ecrire(u"Aucun dossier choisi : "_qs, invite);
    return {};
}

QString DialoguesConsole::choisirFichierAOuvrir(const QString& titre, const QString&, const QString&)
{
    ecrire(u"Aucun fichier choisi : "_qs, titre);
    return {};
}

QString DialoguesConsole::choisirFichierAEnregistrer(const QString& titre, const QString&, const QString&)
{
    ecrire(u"Aucun fichier choisi : "_qs, titre);
    return {};
}

} // namespace velorin
