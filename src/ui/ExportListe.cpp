#include "ui/ExportListe.h"

#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "app/Horloge.h"
#include "store/DMCommun.h"
#include "ui/ContexteEcrans.h"
#include "ui/ExportTableur.h"
#include "ui/ModeleListe.h"

#include <QApplication>
#include <QFileInfo>
#include <QProgressBar>
#include <QSaveFile>

namespace velorin {

void ecrireListe(QIODevice& sortie, const ModeleListe& modele, const QList<TColonneGrille>& colonnes,
                 const std::function<void(int)>& apresLigne)
{
    QStringList titres;
    QList<int> index;
    for (const TColonneGrille& c : colonnes) {
        const int i = modele.indexSource(c.NomChamp);
        if (i < 0) throw Erreur(QStringLiteral("Le champ %1 n'existe pas dans les données de la liste.").arg(c.NomChamp));
        titres.append(c.Titre);
        index.append(i);
    }
    ecrireTableur(
        sortie, titres, modele.rowCount(),
        [&](int ligne) {
            QStringList textes;
            for (int i : index) textes.append(modele.texte(ligne, i));
            return textes;
        },
        apresLigne);
}

namespace {
// The wait cursor and a view that does not repaint, for the time of the export.
class Attente {
public:
    explicit Attente(QWidget* vue) : vue_(vue)
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (vue_) vue_->setUpdatesEnabled(false);
    }
    ~Attente()
    {
        if (vue_) vue_->setUpdatesEnabled(true);
        QApplication::restoreOverrideCursor();
    }
    Attente(const Attente&) = delete;
    Attente& operator=(const Attente&) = delete;

private:
    QWidget* vue_;
};
} // namespace

QString exporterListe(ContexteEcrans& contexte, const ModeleListe& modele, const QList<TColonneGrille>& colonnes,
                      QProgressBar* barre, QWidget* vue)
{
    Dialogues& dialogues = contexte.services.dialogues;
    QString fichier = dialogues.choisirFichierAEnregistrer(u"Exporter vers Excel"_qs, contexte.commun.dossierDonnees(),
                                                           QStringLiteral("Fichiers excel (*.xls)"));
    if (fichier.isEmpty()) return {};
    if (QFileInfo(fichier).suffix().isEmpty()) fichier += QStringLiteral(".xls");
    if (QFileInfo::exists(fichier) && !dialogues.question(u"Le fichier existe déjà, voulez-vous l'écraser ?"_qs))
        return {};

    bool ecrit = false;
    try {
        Attente attente(vue);
        if (barre) {
            barre->setRange(0, qMax(1, modele.rowCount()));
            barre->setValue(0);
            barre->show();
        }
        QSaveFile sortie(fichier);
        if (!sortie.open(QIODevice::WriteOnly)) throw Erreur(sortie.errorString());
        ecrireListe(sortie, modele, colonnes, [&](int ligne) {
            if (barre) barre->setValue(ligne + 1);
            contexte.services.horloge.traiterEvenements();
        });
        if (!sortie.commit()) throw Erreur(sortie.errorString());
        ecrit = true;
    } catch (const std::exception& e) {
        if (barre) barre->hide();
        dialogues.erreur(u"Erreur lors de l'exportation vers le fichier "_qs + fichier + u" : "_qs + texteErreur(e));
        return {};
    }
    if (barre) barre->hide();
    if (ecrit) dialogues.information(u"Le fichier est disponible dans "_qs + fichier);
    return fichier;
}

} // namespace velorin
