#include "banc.h"
#include "etatprogramme.h"
#include "frmchoixtaille.h"
#include "frmoptions.h"
#include "frmphoto.h"
#include "frmredim.h"
#include "menusphoto.h"
#include "outilsfenetre.h"
#include "photostest.h"
#include "typesfichiers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

// The main window on a folder of photos made by PhotosTest (400 x 304), "casse" a damaged
// one, any other name a small picture.
struct Atelier {
    Banc b;
    QMap<QString, QByteArray> originaux;
    QStringList avant;
    std::unique_ptr<FenetreOuverte> w;
    explicit Atelier(const QMap<QString, int>& photos) {
        for (auto it = photos.cbegin(); it != photos.cend(); ++it) {
            const QString chemin = photo(it.key());
            if (it.key().startsWith("casse"))
                Banc::creerFichier(chemin, QByteArray(500, 'x'));
            else if (it.key().endsWith(".jpg"))
                PhotosTest::creer(chemin, 400, 304, it.value());
            else
                PhotosTest::quartiers(40, 30).save(chemin);
            originaux.insert(it.key(), Banc::lire(chemin));
        }
        avant = contenus(b.photos());
        w = std::make_unique<FenetreOuverte>(b);
        f().CboFileType->setCurrentIndex(TypesFichiers::TousFichiers);
    }
    FrmPhoto& f() { return w->f; }
    QString photo(const QString& nom) const { return b.photos() + "/" + nom; }
    void montrer(const QString& nom) {
        f().SelectionnerEntree(f().LstFF->row(f().LstFF->findItems(nom, Qt::MatchExactly)[0]));
    }
    QString sauvegardes() const { return b.programme() + "/Photos sauvegardées"; }
    // The resize window opened on a photo by its button and scripted, then these boxes, and
    // nothing else shown.
    void redimensionner(const QString& nom, const QStringList& boites,
                        const std::function<void(FrmRedim&)>& script) {
        montrer(nom);
        b.dialogues.attendreFenetre("FrmRedim", [script](QDialog& d) {
            script(static_cast<FrmRedim&>(d));
            return d.result();
        });
        b.dialogues.attendreMessages(boites);
        QTest::mouseClick(f().axBRedimensionner, Qt::LeftButton);
        VERIFIER_DIALOGUES(b.dialogues);
    }
    void entree() { QTest::keyClick(f().TxtFileName, Qt::Key_Return); }
};

// A radio button takes a click on its circle or its text, not beyond.
void cocher(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

} // namespace

class TstRetoucheUi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void redimensionnerUnePhoto();
    void redimensionnerEnLot();
    void incrusterTexte();
    void pivoter();
};

void TstRetoucheUi::redimensionnerUnePhoto() {
    Atelier a({{"Plage.jpg", 1}, {"Port.jpg", 1}});
    a.redimensionner("Plage.jpg", {}, [](FrmRedim& r) {
        QTest::keyClicks(r.TxtL, "200");
        QCOMPARE(r.TxtH->text(), QStringLiteral("152"));
        QTest::mouseClick(r.CmdAction, Qt::LeftButton);
    });
    QCOMPARE(PhotosTest::brute(a.photo("(R)Plage.jpg")).size(), QSize(200, 152));
    QCOMPARE(entrees(a.f()), QStringList({"Plage.jpg", "(R)Plage.jpg", "Port.jpg"}));

    // Again, the photo not kept, its name already in "Photos sauvegardées".
    Banc::creerFichier(a.sauvegardes() + "/Plage.jpg", "autre");
    const QString remplacer = "Le nom du fichier redimensionné (R) Plage.jpg existe déjà.\n"
                              "Voulez-vous le remplacer ?";
    a.redimensionner("Plage.jpg", {"non:" + remplacer, "oui:" + remplacer, ""}, [](FrmRedim& r) {
        QTest::keyClicks(r.TxtH, "100");
        r.ChkCons->setChecked(false);
        QTest::mouseClick(r.CmdAction, Qt::LeftButton);
        QTest::mouseClick(r.CmdAction, Qt::LeftButton);
    });
    QCOMPARE(PhotosTest::brute(a.photo("(R)Plage.jpg")).size(), QSize(132, 100));
    QCOMPARE(Banc::lire(a.sauvegardes() + "/Copie de Plage.jpg"), a.originaux["Plage.jpg"]);
    QCOMPARE(entrees(a.f()), QStringList({"(R)Plage.jpg", "Port.jpg"}));
    QCOMPARE(perdus(a.avant, {a.b.photos(), a.sauvegardes()}), QStringList());
    QVERIFY(QDir(corbeille()).entryList().filter("(R)Plage").size() >= 1);
    // A folder that refuses the new file: the error exit, and nothing written.
    a.b.fichiers.permis = 0;
    a.redimensionner("Port.jpg", {""}, [](FrmRedim& r) {
        QTest::keyClicks(r.TxtL, "20");
        QTest::mouseClick(r.CmdAction, Qt::LeftButton);
    });
    QCOMPARE(nomsSurDisque(a.b.photos()), QStringList({"(R)Plage.jpg", "Port.jpg"}));
}

void TstRetoucheUi::redimensionnerEnLot() {
    Atelier a({{"a.jpg", 1}, {"b.jpg", 6}, {"casse.jpg", 0}, {"carte.png", 0}});
    DialoguesScriptes& d = a.b.dialogues;
    const QString dossier = a.b.photos() + "/Redim 2024-1-9  [14H07]";
    auto lot = [&](int option, const char* valeur, const QString& fin) {
        choisir(a.f(), {"a.jpg", "b.jpg", "carte.png", "casse.jpg"});
        d.attendreFenetre("FrmRedim", [&](QDialog& r) {
            QTest::mouseClick(static_cast<FrmRedim&>(r).CmdPlusieurs, Qt::LeftButton);
            return r.result();
        });
        d.attendreFenetre("FrmChoixTaille", [&, option, valeur](QDialog& c) {
            auto& choix = static_cast<FrmChoixTaille&>(c);
            cocher(choix.Opt[option]);
            QTest::keyClicks(option == 2 ? choix.TxtP : choix.TxtL, valeur);
            QTest::mouseClick(choix.CmdOK, Qt::LeftButton);
            return c.result();
        });
        d.attendreMessage(fin);
        QTest::mouseClick(a.f().axBRedimensionner, Qt::LeftButton);
        VERIFIER_DIALOGUES(d);
    };
    lot(2, "50 %",
        "Les 3 photos redimensionnées sont dans le répertoire :\n" + dossier +
            "\n\nPhotos non redimensionnées :\ncasse.jpg");
    // Each result upright at half its size, its date kept; the batch folder is opened.
    QCOMPARE(PhotosTest::brute(dossier + "/(R)a.jpg").size(), QSize(200, 152));
    QCOMPARE(PhotosTest::brute(dossier + "/(R)b.jpg").size(), QSize(152, 200));
    QCOMPARE(entrees(a.f()), QStringList({"(R)a.jpg", "(R)b.jpg", "(R)carte.jpg"}));

    // A second batch in the same minute cannot have that folder.
    a.f().DefinirCheminDossier(a.b.photos());
    lot(0, "1024", "");
    QCOMPARE(nomsSurDisque(dossier).size(), 3);
    QCOMPARE(contenus(a.b.photos()), a.avant);
}

void TstRetoucheUi::incrusterTexte() {
    Atelier a({{"Plage.jpg", 1}, {"Port.jpg", 1}});
    DialoguesScriptes& d = a.b.dialogues;
    FrmPhoto& f = a.f();
    QTest::mouseClick(f.ChkIns, Qt::LeftButton);
    // The options window, opened once, chooses to replace the photo by its copy with text.
    d.attendreFenetre("FrmOptions", [](QDialog& o) {
        QTest::mouseClick(static_cast<FrmOptions&>(o).CmdQuitter, Qt::LeftButton);
        return o.result();
    });
    f.menus().article("mnuOptTexte")->trigger();

    // The commit writes "(T)Plage.jpg" in the photo's place and saves the photo.
    f.Txt->setFocus();
    QTest::keyClicks(f.Txt, "Vacances 2019");
    a.entree();
    VERIFIER_DIALOGUES(d);
    QCOMPARE(entrees(f), QStringList({"(T)Plage.jpg", "Port.jpg"}));
    QCOMPARE(f.LstFF->currentItem()->text(), QStringLiteral("Port.jpg"));
    QCOMPARE(Banc::lire(a.sauvegardes() + "/Plage.jpg"), a.originaux["Plage.jpg"]);
    QCOMPARE(PhotosTest::lire(a.photo("(T)Plage.jpg")).date, QStringLiteral("2019:07:14 10:30:00"));

    // A "(T)" file already there is replaced only on Yes; No keeps the entry where it is.
    Banc::creerFichier(a.photo("(T)Port.jpg"), "ancien");
    f.Txt->setFocus();
    QTest::keyClicks(f.Txt, "x");
    d.attendreMessage("Le nom du fichier avec incrustation de texte (T) Port.jpg existe déjà.\n"
                      "Voulez-vous le remplacer ?",
                      Dialogues::Reponse::Non);
    a.entree();
    VERIFIER_DIALOGUES(d);
    QCOMPARE(f.LstFF->currentItem()->text(), QStringLiteral("Port.jpg"));
    QCOMPARE(Banc::lire(a.photo("(T)Port.jpg")), QByteArray("ancien"));
    QCOMPARE(nomsSurDisque(a.b.photos()).size(), 3);
    QCOMPARE(perdus(a.avant, {a.b.photos(), a.sauvegardes()}), QStringList());
}

void TstRetoucheUi::pivoter() {
    Atelier a({{"Plage.jpg", 1}, {"carte.png", 0}, {"z.jpg", 1}});
    DialoguesScriptes& d = a.b.dialogues;
    FrmPhoto& f = a.f();
    const QString plage = a.photo("Plage.jpg");
    auto tourner = [&](const QString& nom, int fois, Dialogues::Reponse reponse) {
        a.montrer(nom);
        for (int i = 0; i < fois; ++i)
            QTest::mouseClick(f.axBPivoter, Qt::LeftButton);
        d.attendreMessage("Enregistrer la rotation de l'image ?", reponse);
        a.entree();
        VERIFIER_DIALOGUES(d);
    };
    // On No, the file stays as stored and the commit stays on it.
    tourner("Plage.jpg", 1, Dialogues::Reponse::Non);
    QCOMPARE(f.LstFF->currentItem()->text(), QStringLiteral("Plage.jpg"));
    QCOMPARE(Banc::lire(plage), a.originaux["Plage.jpg"]);
    tourner("Plage.jpg", 1, Dialogues::Reponse::Oui);
    QCOMPARE(f.LstFF->currentItem()->text(), QStringLiteral("z.jpg"));
    QCOMPARE(PhotosTest::coins(PhotosTest::brute(plage)), QStringLiteral("GWRB"));
    // A picture other than JPEG or BMP gets a JPEG of its name beside it.
    tourner("carte.png", 1, Dialogues::Reponse::Oui);
    QCOMPARE(PhotosTest::coins(QImage(a.photo("carte.jpg"))), QStringLiteral("GWRB"));
    QCOMPARE(Banc::lire(a.photo("carte.png")), a.originaux["carte.png"]);
    QCOMPARE(entrees(f), QStringList({"carte.png", "carte.jpg", "Plage.jpg", "z.jpg"}));
    // Another click in the list discards a turn.
    a.montrer("z.jpg");
    QTest::mouseClick(f.axBPivoter, Qt::LeftButton);
    a.montrer("Plage.jpg");
    a.entree();
    VERIFIER_DIALOGUES(d);
    QCOMPARE(Banc::lire(a.photo("z.jpg")), a.originaux["z.jpg"]);
}

VIMBRAL_TEST_MAIN(TstRetoucheUi)
#include "tst_retoucheui.moc"
