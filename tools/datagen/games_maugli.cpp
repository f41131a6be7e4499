// Pictures of the garden game "Мауглі" (folder "GTM"): the jungle boy in his
// garden in every pose and frame the game shows, the warning frames of the
// time limit, the score bar, the fraction bar and the 24 reward pictures.
#include "datagen/games_maugli.h"

#include "datagen/data_writer.h"
#include "datagen/games_maugli_poses.h"
#include "datagen/games_maugli_rewards.h"
#include "datagen/games_maugli_scenes.h"

using namespace maugli;

void RenderMaugliPictures(const DataWriter& out) {
    const auto save = [&](const char* name, const QImage& image) {
        out.savePicture(QStringLiteral("GTM\\") + QString::fromLatin1(name) + QStringLiteral(".bmp"), image);
    };
    save("first", scene(waving(), -1, [](QPainter& p) {
             bubble(p, QRectF(170, 130, 150, 56), QStringLiteral("Обери сад!"));
         }));
    // Rest pose 0 and the climb to rest pose 4.
    save("m1", scene(standing(), 0));
    save("m2", scene(reaching(), 0));
    save("m3", scene(jumping(), 0));
    // From rest pose 4 to rest pose 7: the apple goes into the basket, then a cheer.
    save("m11", scene(bending(), 1));
    save("m22", scene(cheering(), 2));
    // From 7 back to 4: a little dance and a bow.
    save("m33", scene(dancing(), 3));
    save("m44", scene(bowing(), 3));
    // A wrong answer: he scratches his head and slips onto the branch.
    save("m222", scene(puzzled(false), 0, [](QPainter& p) {
             bubble(p, QRectF(200, 150, 60, 44), QStringLiteral("?"));
         }));
    save("m1vis2", scene(hanging(true), 0));
    save("m444", scene(puzzled(true), 2, [](QPainter& p) {
             bubble(p, QRectF(200, 150, 60, 44), QStringLiteral("?"));
         }));
    save("m1vis", scene(hanging(false), 2));
    save("face", faceCloseUp());
    save("uneslo", carriedAway());
    // The time limit: the clock fills up from one warning to the next.
    Pose waitingHungry = standing();
    waitingHungry.mouth = Mouth::Worried;
    save("g!1", warning(waitingHungry, 0, 1, 1));
    Pose hurried = waitingHungry;
    hurried.sweat = true;
    hurried.eyes = Eyes::Wide;
    save("g!2", warning(hurried, 0, 2, 2));
    Pose waitingWithApple = holding();
    waitingWithApple.mouth = Mouth::Worried;
    save("gg1", warning(waitingWithApple, 2, 1, 1));
    waitingWithApple.sweat = true;
    save("gg2", warning(waitingWithApple, 2, 2, 2));
    waitingWithApple.eyes = Eyes::Wide;
    waitingWithApple.mouth = Mouth::Open;
    save("gg3", warning(waitingWithApple, 2, 3, 3));
    for (int level = 0; level <= 12; ++level)
        out.savePicture(QStringLiteral("GTM\\level%1.bmp").arg(level), scoreBar(level));
    out.savePicture(QStringLiteral("GTM\\chdr4.bmp"), fractionBar());
    for (int garden = 1; garden <= 4; ++garden)
        for (int design = 1; design <= 6; ++design)
            out.savePicture(QStringLiteral("GTM\\a%1.bmp").arg(6 * (garden - 1) + design), reward(garden, design));
}
