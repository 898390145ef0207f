#include "store/DMCommun.h"

#include "app/DatesFr.h"
#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "app/Fichiers.h"
#include "app/Horloge.h"
#include "app/Plateforme.h"
#include "store/Droits.h"

#include <QDir>
#include <QFileInfo>

namespace velorin {

namespace {
QString avecSeparateur(const QString& dossier)
{
    QString d = QDir::cleanPath(QDir(dossier).absolutePath());
    if (!d.endsWith(QLatin1Char('/'))) d += QLatin1Char('/');
    return d;
}
} // namespace

DMCommun::DMCommun(Services services, const QString& dossierProgramme)
    : services_(services)
    , dossierProgramme_(avecSeparateur(dossierProgramme))
    , info_(dossierProgramme_)
{
}

void DMCommun::creer()
{
    remplacerStructures();
    try {
        // SQLite has a single file format: nothing to settle for the table-creation level.
        utilisateurTrace_.clear();
        lireFrequence();
        choisirDossierDonnees();
        if (!dossierDonnees_.isEmpty()) {
            setDossierDonnees(dossierDonnees_);
            dossierPrincipal_ = dossierDonnees_;
            LireCouleurs();
            baseArchives_.ouvrir(QDir(dossierPrincipal_).filePath(nomBaseArchives()));
        } else {
            TracerEtAfficher(u"Le dossier des données n'a pas été correctement initialisé, le programme va s'arrêter."_qs);
            terminaisonDemandee_ = true;
        }
    } catch (const std::exception& e) {
        TracerEtAfficher(u"Erreur pendant l'initialisation des données (module commun) : "_qs + texteErreur(e) +
                         u"\n"_qs + u"Le programme va se fermer."_qs);
        terminaisonDemandee_ = true;
    }
}

void DMCommun::remplacerStructures()
{
    const QString structures = QDir(dossierProgramme_).filePath(QStringLiteral("StructuresTables"));
    const QString nouv = fichiers::trouverSansCasse(structures, QStringLiteral("Nouv"));
    if (nouv.isEmpty() || !QFileInfo(nouv).isDir()) return;
    try {
        fichiers::viderDossier(structures);
        fichiers::copierFichiers(nouv, structures);
        fichiers::viderDossier(nouv);
        if (!QDir(structures).rmdir(QFileInfo(nouv).fileName()))
            throw Erreur(QStringLiteral("Impossible de supprimer le dossier %1").arg(nouv));
    } catch (const std::exception& e) {
        services_.dialogues.erreur(u"Erreur pendant la mise en place de la nouvelle structures de tables : "_qs +
                                   u"\n"_qs + texteErreur(e));
    }
}

void DMCommun::lireFrequence() { periodeMs_ = info_.frequence() * 1000; }

void DMCommun::choisirDossierDonnees()
{
    reseau_ = droits::installationReseau(dossierProgramme_);
    if (reseau_) {
        dossierDonnees_ = dossierDonneesReseau(info_, services_.dialogues);
    } else {
        // The default folder keeps the case it was created with.
        const QString existant = fichiers::trouverSansCasse(dossierProgramme_, QStringLiteral("Donnees"));
        dossierDonnees_ = existant.isEmpty() ? dossierProgramme_ + QStringLiteral("Donnees") : existant;
    }
    if (!dossierDonnees_.isEmpty()) dossierDonnees_ = QDir::cleanPath(dossierDonnees_);
}

QString DMCommun::fichierBase() const { return QDir(dossierDonnees_).filePath(nomBase()); }

void DMCommun::setDossierDonnees(const QString& dossier)
{
    const QString propre = QDir::cleanPath(dossier);
    if (!QDir().mkpath(propre))
        throw Erreur(QStringLiteral("Impossible de créer le dossier %1").arg(propre));
    dossierDonnees_ = propre;
    base_.ouvrir(fichierBase());
}

BaseDonnees& DMCommun::baseDeTable(const QString& table)
{
    return table.compare(tableArchives(), Qt::CaseInsensitive) == 0 ? baseArchives_ : base_;
}

QString DMCommun::nomPoste() const
{
    const QString nom = services_.plateforme.nomOrdinateur().trimmed();
    if (nom.isEmpty()) return QStringLiteral("Ordinateur Inconnu");
    return nom.left(15);
}

void DMCommun::LireCouleurs() { couleurs_ = disposition().LireCouleurs(); }

bool DMCommun::EnregistrerCouleurs(const TCouleurs& valeurs)
{
    // The screens take the new colours only once they are stored.
    if (!disposition().EnregistrerCouleurs(valeurs)) return false;
    couleurs_ = valeurs;
    return true;
}

void DMCommun::TracerEvenement(const QString& message)
{
    try {
        if (!base_.estOuverte() || !base_.tableExiste(QStringLiteral("Trace"))) return;
        const QDateTime maintenant = services_.horloge.maintenant();
        base_.executer(QStringLiteral("INSERT INTO Trace (DateEvmt, HeureEvmt, Ordinateur, Utilisat, Evenement) "
                                      "VALUES (?, ?, ?, ?, ?)"),
                       {maintenant.date().toString(Qt::ISODate), dates::formater(u"hh:nn"_qs, maintenant),
                        nomPoste(), utilisateurTrace_, message.left(100)});
    } catch (const std::exception&) {
        // The trace never stops what it records.
    }
}

void DMCommun::TracerEtAfficher(const QString& message)
{
    TracerEvenement(message);
    services_.dialogues.erreur(message);
}

} // namespace velorin
