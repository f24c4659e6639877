#include "lotredim.h"

#include "editeurimages.h"

#include <QThread>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

std::optional<QByteArray> RedimensionnerPhoto(const ImageSource& source, const QSize& taille,
                                              int quartsGauche) {
    if (!TailleAcceptable(taille))
        return std::nullopt;
    // The decoder reduces while the picture stays at least the size wanted.
    const bool couche = quartsGauche % 2 != 0;
    QImage image = EditeurImages::Decoder(source, couche ? taille.transposed() : taille);
    if (image.isNull())
        return std::nullopt;
    image = EditeurImages::TournerGauche(image, quartsGauche);
    return EditeurImages::EncoderJpeg(EditeurImages::Redimensionner(image, taille), &source);
}

QStringList RedimensionnerLot(Fichiers& fichiers, const QString& repertoire,
                              const QStringList& noms, const QString& dossier, RegleTaille regle,
                              double valeur, const std::function<void()>& patienter,
                              const std::function<void(int)>& ecrite, int travailleurs) {
    const int nombre = int(noms.size());
    if (travailleurs <= 0)
        travailleurs = std::max(1, QThread::idealThreadCount());
    std::vector<std::optional<QByteArray>> resultats(nombre);
    std::vector<char> prets(nombre, 0);
    std::mutex verrou;
    std::condition_variable signal;
    int prochaine = 0;
    int ecrites = 0;
    bool arret = false;
    auto travail = [&] {
        for (;;) {
            int i;
            {
                std::unique_lock<std::mutex> l(verrou);
                signal.wait(l, [&] {
                    return arret || prochaine >= nombre || prochaine < ecrites + 2 * travailleurs;
                });
                if (arret || prochaine >= nombre)
                    return;
                i = prochaine++;
            }
            std::optional<QByteArray> jpeg;
            if (const auto source = EditeurImages::Ouvrir(repertoire + noms[i]))
                jpeg = RedimensionnerPhoto(*source, TailleRedim(regle, valeur, source->taille()));
            {
                std::lock_guard<std::mutex> l(verrou);
                resultats[i] = std::move(jpeg);
                prets[i] = 1;
            }
            signal.notify_all();
        }
    };
    std::vector<std::thread> fils;
    for (int t = 0; t < std::min(travailleurs, nombre); ++t)
        fils.emplace_back(travail);

    QStringList nonEcrites;
    for (int i = 0; i < nombre; ++i) {
        std::optional<QByteArray> jpeg;
        {
            std::unique_lock<std::mutex> l(verrou);
            while (!prets[i]) {
                l.unlock();
                if (patienter)
                    patienter();
                l.lock();
                signal.wait_for(l, std::chrono::milliseconds(40), [&] { return prets[i] != 0; });
            }
            jpeg = std::move(resultats[i]);
        }
        const QString cible =
            dossier + QLatin1Char('/') + NomResultat(QStringLiteral("(R)"), noms[i]);
        if (!jpeg || !EditeurImages::Publier(fichiers, *jpeg, cible))
            nonEcrites.append(noms[i]);
        {
            std::lock_guard<std::mutex> l(verrou);
            ecrites = i + 1;
        }
        signal.notify_all();
        if (ecrite)
            ecrite(i);
    }
    {
        std::lock_guard<std::mutex> l(verrou);
        arret = true;
    }
    signal.notify_all();
    for (std::thread& f : fils)
        f.join();
    return nonEcrites;
}
