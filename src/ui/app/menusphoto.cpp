#include "menusphoto.h"

#include "etatprogramme.h"
#include "frmphoto.h"
#include "listefichiers.h"
#include "plateforme.h"
#include "resultatsretouche.h"

#include <QMenu>

MenusPhoto::MenusPhoto(FrmPhoto& fenetre) : QObject(&fenetre), m_f(fenetre) {
    setObjectName(QStringLiteral("MenusPhoto"));
    EtatProgramme& etat = m_f.etat();
    Options& o = etat.options;

    mnuOptions = MenuSurgissant("mnuOptions", QStringLiteral("Options"));
    Ajouter(mnuOptions, "mnuOptTexte", "Options pour incrustation de texte");
    Separer(mnuOptions);
    QMenu* marq = SousMenu(mnuOptions, "MnuMarq",
                           "Choisir raccourci  touche F5 à F12 pour marquer le fichier");
    Separer(mnuOptions);
    QMenu* demarq = SousMenu(mnuOptions, "mnuDeMarq",
                             "Choisir raccourci  touche F5 à F12 pour démarquer le fichier");
    for (int i = 0; i < 8; ++i) {
        QAction* m = Ajouter(marq, QStringLiteral("MnuM(%1)").arg(i), NomTouche(116 + i), true);
        m->setCheckable(true);
        connect(m, &QAction::triggered, this, [this, i] { ChoisirTouche(true, i); });
        QAction* d = Ajouter(demarq, QStringLiteral("mnuDM(%1)").arg(i), NomTouche(116 + i), true);
        d->setCheckable(true);
        connect(d, &QAction::triggered, this, [this, i] { ChoisirTouche(false, i); });
    }
    Separer(mnuOptions);
    Basculer(Ajouter(mnuOptions, "mnuRens",
                     "Indication des renseignements sur la photo lors de l'agrandissement", true),
             [&o](bool c) { o.InfosAgrandissement = c ? 1 : 0; });
    QAction* couleur =
        Ajouter(mnuOptions, "mnuCouleur", "Couleur du texte sur photo agrandie", true);
    connect(couleur, &QAction::triggered, this, [this, &o] {
        const auto choix = m_f.plateforme().dialogues.ChoisirCouleur(
            ResultatsRetouche::CouleurOption(o.CouleurInfos));
        if (!choix)
            return;
        m_f.parametres().ChangerOptions(
            [&] { o.CouleurInfos = ResultatsRetouche::OptionCouleur(*choix); });
    });
    Separer(mnuOptions);
    Basculer(Ajouter(mnuOptions, "mnuBulles", "AFFicher bulles dans la liste des fichiers", true),
             [&o](bool c) { o.BullesListe = c ? 1 : 0; });
    Separer(mnuOptions);
    Basculer(Ajouter(mnuOptions, "mnuOuv", "Ouvrir un dossier par un simple click", true),
             [&o](bool c) { o.OuvertureSimpleClic = c ? 1 : 0; });
    Separer(mnuOptions);
    connect(Ajouter(mnuOptions, "mnuRep", "Répertoire à l'ouverture", true), &QAction::triggered,
            this, [this] { m_f.mnuRep_Click(); });
    Separer(mnuOptions);
    Basculer(Ajouter(mnuOptions, "mnuMark", "Marquer les fichiers copiés ou déplacés", true),
             [&o](bool c) { o.MarquerCopies = c ? 1 : 0; });
    Separer(mnuOptions);
    QMenu* deplace = SousMenu(mnuOptions, "mnuDeplace", "Lors du déplacement rapide de fichiers");
    // The two ways of giving the target rank: each explains itself when it is chosen.
    const std::tuple<const char*, const char*, quint8, const char*> niveaux[] = {
        {"mnuNiveau", "Indiquer le numéro du niveau", 1,
         "Vous devrez sélectionner les fichiers à déplacer, puis\nindiquer le numéro du rang de "
         "déplacement.\n(la recherche du numéro de rang doit être faite avant l'opération de "
         "déplacement)"},
        {"mnuPasNiveau", "Indiquer le niveau par un click sur le fichier", 0,
         "Vous devrez marquer (bouton  [M]) les fichiers à déplacer, puis\ncliquer sur le "
         "fichier correspondant au rang de déplacement,\navant de débuter l'opération de "
         "déplacement."}};
    for (const auto& [nom, legende, valeur, explication] : niveaux) {
        QAction* a = Ajouter(deplace, QString::fromUtf8(nom), QString::fromUtf8(legende), true);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this,
                [this, &o, valeur = valeur, explication = QString::fromUtf8(explication)] {
                    if (o.NiveauParNumero != valeur) {
                        o.NiveauParNumero = valeur;
                        m_f.plateforme().dialogues.Message(explication,
                                                           Dialogues::Icone::Information);
                    }
                    AfficherOptions();
                    m_f.parametres().Ecrire_Options();
                });
    }
    Separer(mnuOptions);
    connect(Ajouter(mnuOptions, "mnuNLi",
                    "Déplacement de la sélection de fichiers (en nombre)  par action de la "
                    "molette de la souris",
                    true),
            &QAction::triggered, this, [this] { m_f.mnuNLi_Click(); });
    Separer(mnuOptions);
    Ajouter(mnuOptions, "mnuToutSel", "Tout sélectionner");
    Ajouter(mnuOptions, "mnuToutDel", "Tout déselectionner");
    Ajouter(mnuOptions, "mnuInversSel", "Inverser la sélection");
    Separer(mnuOptions);
    QMenu* chaine = SousMenu(mnuOptions, "mnuSelChaine",
                             "Sélection des fichiers d'un dossier par une chaine de caractères");
    for (const auto& [nom, legende, valeur] :
         {std::tuple{"mnucasseplus", "Respecter la casse", 0},
          std::tuple{"mnucassemoins", "Ignorer la casse", 1}}) {
        QAction* a = Ajouter(chaine, nom, legende, true);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, &o, valeur = valeur] {
            // The rule is saved by the selection that follows, once it selected something.
            o.CasseIgnoree = quint8(valeur);
            AfficherOptions();
            if (SelectionParChaine)
                SelectionParChaine();
        });
    }
    Separer(mnuOptions);
    Ajouter(mnuOptions, "mnuTri",
            "Trier par ordre chronologique (à partir des données EXIF pour JPG)");
    Separer(mnuOptions);
    QAction* av = Ajouter(mnuOptions, "mnuAv",
                          "Montrer le message d'avertissements lors de l'incrémentation", true);
    av->setCheckable(true);
    connect(av, &QAction::triggered, this, [this, &etat](bool coche) {
        etat.photo.AfficherAvertissement = coche;
        m_f.parametres().EcrirePhotoIni();
        if (coche && MontrerAvertissement)
            MontrerAvertissement();
    });
    Separer(mnuOptions);
    Ajouter(mnuOptions, "mnuremplace",
            "Remplacer une chaine de caractéres dans la liste des "
            "fichiers");
    Separer(mnuOptions);
    Ajouter(mnuOptions, "mnuIncrDte", "Placer le numéro d'incrémentation à droite");
    Separer(mnuOptions);
    Ajouter(mnuOptions, "mnuAnnulerRenommage", "Annuler le dernier renommage");
    Separer(mnuOptions);
    connect(Ajouter(mnuOptions, "mnuRefresh", "Rafraichir la liste", true), &QAction::triggered,
            this, [this] { m_f.listeFichiers().CmdRefresh_Click(); });

    mnuInvisible = MenuSurgissant("mnuInvisible", QStringLiteral("Invisible"));
    Ajouter(mnuInvisible, "mnuTitre", "Choix des lettres sélectionnées dans le texte :");
    Separer(mnuInvisible);
    Ajouter(mnuInvisible, "mnuOptimal", "Sélection optimale pour fichiers non incrémentés");
    mnuSecOpt =
        Ajouter(mnuInvisible, "mnuSecOpt", "Sélection optimale pour liste incrémentée à gauche");
    Ajouter(mnuInvisible, "mnuRT", "Sélection optimisée pout effacer le (R) ou le (T)");
    Ajouter(mnuInvisible, "mnuChoix", "Sélection personnalisée");
    for (const char* nom : {"mnuOptimal", "mnuSecOpt", "mnuRT", "mnuChoix"})
        article(QString::fromLatin1(nom))->setCheckable(true);

    mnuCopDepInvisible = MenuSurgissant("mnuCopDepInvisible", QStringLiteral("CopDepInvisible"));
    mnuCopDepInvisible->setDefaultAction(Ajouter(mnuCopDepInvisible, "mnuDeplaceFich",
                                                 "Déplacer un (ou des) fichier dans la liste"));
    Ajouter(mnuCopDepInvisible, "mnuDeplaceFichAide",
            "Aide sur le déplacement de fichiers dans la liste");
    Separer(mnuCopDepInvisible);
    Ajouter(mnuCopDepInvisible, "mnuCouper", "Couper");
    Ajouter(mnuCopDepInvisible, "mnuCopier", "Copier");
    Separer(mnuCopDepInvisible);
    Ajouter(mnuCopDepInvisible, "mnuCollerRep", "Coller dans le dossier ouvert");
    Ajouter(mnuCopDepInvisible, "mnuCollerDos", "Coller dans un autre dossier");
    Separer(mnuCopDepInvisible);
    Ajouter(mnuCopDepInvisible, "mnuDelete", "Supprimer");
    Separer(mnuCopDepInvisible);
    Ajouter(mnuCopDepInvisible, "mnuEdDef", "Editer avec le programme par défaut");

    mnuEdit = MenuSurgissant("mnuEdit", QStringLiteral("Editer la photo dans ..."));
    Ajouter(mnuEdit, "mnuChoisir", "Choisir un nouveau programme");
    Ajouter(mnuEdit, "mnuSupp", "Supprimer un programme");
    Separer(mnuEdit);
    Ajouter(mnuEdit, "mnuProg(0)", "Editeur du fichier par défaut");

    mnuFavorisInv = MenuSurgissant("mnuFavorisInv", QStringLiteral("Favoris"));
    Ajouter(mnuFavorisInv, "MnuMarquer", "Ajouter aux favoris");
    Ajouter(mnuFavorisInv, "mnuOrganiser", "Organiser les favoris");
    Separer(mnuFavorisInv);
}

QMenu* MenusPhoto::MenuSurgissant(const QString& nom, const QString& titre) {
    auto* menu = new QMenu(titre, &m_f);
    menu->setObjectName(nom);
    return menu;
}

QAction* MenusPhoto::Ajouter(QMenu* menu, const QString& nom, const QString& legende, bool actif) {
    QAction* a = menu->addAction(legende);
    a->setObjectName(nom);
    a->setEnabled(actif);
    return a;
}

QMenu* MenusPhoto::SousMenu(QMenu* menu, const QString& nom, const QString& legende) {
    QMenu* sous = menu->addMenu(legende);
    sous->setObjectName(nom);
    sous->menuAction()->setObjectName(nom);
    return sous;
}

void MenusPhoto::Separer(QMenu* menu) {
    menu->addSeparator()->setObjectName(QStringLiteral("mnusep%1").arg(++m_separateurs));
}

QAction* MenusPhoto::article(const QString& nom) const {
    return m_f.findChild<QAction*>(nom);
}

void MenusPhoto::Brancher(const QString& nomArticle, std::function<void()> commande) {
    QAction* a = article(nomArticle);
    if (!a)
        return;
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, [commande = std::move(commande)] { commande(); });
}

void MenusPhoto::Basculer(QAction* a, const std::function<void(bool)>& ecrire) {
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, ecrire](bool coche) {
        m_f.parametres().ChangerOptions([&] { ecrire(coche); });
    });
}

void MenusPhoto::ChoisirTouche(bool marquer, int index) {
    Options& o = m_f.etat().options;
    const qint16 code = qint16(116 + index);
    if (code == (marquer ? o.ToucheDemarquer : o.ToucheMarquer)) {
        m_f.plateforme().dialogues.Message(
            QStringLiteral("Ce raccourci est déjà employé pour une autre fonction !"),
            Dialogues::Icone::Information);
        AfficherOptions();
        return;
    }
    (marquer ? o.ToucheMarquer : o.ToucheDemarquer) = code;
    AfficherOptions();
    m_f.parametres().Ecrire_Options();
}

void MenusPhoto::AfficherOptions() {
    const Options& o = m_f.etat().options;
    article("MnuMarq")->setText(
        QStringLiteral("Choisir touche F5 à F12 pour marquer le fichier  [") +
        NomTouche(o.ToucheMarquer) + QLatin1Char(']'));
    article("mnuDeMarq")
        ->setText(QStringLiteral("Choisir touche F5 à F12 pour démarquer le fichier  [") +
                  NomTouche(o.ToucheDemarquer) + QLatin1Char(']'));
    for (int i = 0; i < 8; ++i) {
        article(QStringLiteral("MnuM(%1)").arg(i))->setChecked(o.ToucheMarquer == 116 + i);
        article(QStringLiteral("mnuDM(%1)").arg(i))->setChecked(o.ToucheDemarquer == 116 + i);
    }
    article("mnuRens")->setChecked(o.InfosAgrandissement != 0);
    article("mnuOuv")->setChecked(o.OuvertureSimpleClic != 0);
    article("mnuMark")->setChecked(o.MarquerCopies != 0);
    article("mnuNiveau")->setChecked(o.NiveauParNumero == 1);
    article("mnuPasNiveau")->setChecked(o.NiveauParNumero != 1);
    article("mnuBulles")->setChecked(o.BullesListe == 1);
    article("mnucassemoins")->setChecked(o.CasseIgnoree != 0);
    article("mnucasseplus")->setChecked(o.CasseIgnoree == 0);
}

void MenusPhoto::AfficherAvertissement() {
    if (m_f.etat().photo.AfficherAvertissement)
        article("mnuAv")->setChecked(true);
}
