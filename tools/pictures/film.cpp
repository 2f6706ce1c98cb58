#include "pictures/film.h"

#include <stdexcept>

#include "pictures/arena.h"
#include "pictures/canvas.h"
#include "pictures/figure.h"
#include "pictures/palette.h"

namespace kelmar::pictures {

namespace {

// The two rikishi of every film: west in a crimson mawashi, east in navy.
Look WestLook() {
    Look look;
    look.skin = palette::kSkins[3];
    look.mawashi = palette::kMawashi[1];
    look.hair = palette::kHair;
    look.girth = 0.7;
    return look;
}

Look EastLook() {
    Look look;
    look.skin = palette::kSkins[1];
    look.mawashi = palette::kMawashi[0];
    look.hair = palette::kHair;
    look.girth = 0.5;
    look.heavyBrows = true;
    return look;
}

// One picture, laid out with the winner on the left; an east win is the same
// picture mirrored, with the colours of the sides exchanged.
struct Scene {
    Pose left, right;
    bool rightInFront = true;  // which of the two is drawn last
    int gyojiPointing = 0;     // towards the left winner: -1
    double gyojiX = 120;
    const char* caption;
};

Pose Facing(Pose pose, int facing) {
    pose.facing = facing;
    return pose;
}

Scene FaceOff() {
    Pose crouch;
    crouch.lean = 62;
    crouch.headTurn = -42;
    crouch.frontFoot = {14, 26};
    crouch.backFoot = {-10, 26};
    crouch.frontHand = {30, 24};
    crouch.backHand = {26, 25};
    Pose west = crouch, east = crouch;
    west.hip = {66, kGround - 26};
    east.hip = {174, kGround - 26};
    return {Facing(west, 1), Facing(east, -1), true, 0, 120, "立ち合い"};
}

// Pushing: the winner drives the loser back to the bales and out over them.
Scene PushContact() {
    Pose winner;
    winner.hip = {112, kGround - 26};
    winner.lean = 42;
    winner.headTurn = -20;
    winner.frontFoot = {8, 26};
    winner.backFoot = {-24, 22};
    winner.frontHand = {37, -14};
    winner.backHand = {35, -6};
    Pose loser;
    loser.hip = {178, kGround - 29};
    loser.lean = -14;
    loser.headTurn = 10;
    loser.frontFoot = {4, 29};
    loser.backFoot = {-16, 28};
    loser.frontHand = {18, -16};
    loser.backHand = {10, -4};
    return {Facing(winner, 1), Facing(loser, -1), false, 0, 126, "突き放し"};
}

Scene PushedOut() {
    Pose winner;
    winner.hip = {152, kGround - 24};
    winner.lean = 48;
    winner.headTurn = -22;
    winner.frontFoot = {12, 24};
    winner.backFoot = {-22, 20};
    winner.frontHand = {40, -12};
    winner.backHand = {36, -4};
    Pose loser;
    loser.hip = {211, kGround - 24};
    loser.lean = -30;
    loser.roll = -8;
    loser.headTurn = 18;
    loser.frontFoot = {12, 27};
    loser.backFoot = {-20, 30};
    loser.frontHand = {10, -40};
    loser.backHand = {-14, -34};
    return {Facing(winner, 1), Facing(loser, -1), false, -1, 92, "押し出し"};
}

// Pulling aside: the winner steps back and slaps down the one who charges.
Scene Sidestep() {
    Pose winner;
    winner.hip = {86, kGround - 29};
    winner.lean = 14;
    winner.headTurn = 10;
    winner.frontFoot = {10, 29};
    winner.backFoot = {-12, 29};
    winner.frontHand = {33, -4};
    winner.backHand = {27, 2};
    Pose loser;
    loser.hip = {150, kGround - 24};
    loser.lean = 76;
    loser.roll = 6;
    loser.headTurn = -30;
    loser.frontFoot = {6, 24};
    loser.backFoot = {-26, 15};
    loser.frontHand = {38, 10};
    loser.backHand = {33, 16};
    return {Facing(winner, 1), Facing(loser, -1), true, 0, 124, "立会い変化"};
}

Scene SlappedDown() {
    Pose winner;
    winner.hip = {78, kGround - 30};
    winner.lean = 4;
    winner.headTurn = 22;
    winner.frontFoot = {8, 30};
    winner.backFoot = {-10, 30};
    winner.frontHand = {16, 12};
    winner.backHand = {-4, 14};
    Pose loser;  // face down on the clay, arms thrown forward
    loser.hip = {150, kGround - 6};
    loser.roll = 84;
    loser.lean = 0;
    loser.headTurn = -10;
    loser.frontFoot = {6, 30};
    loser.backFoot = {-6, 29};
    loser.frontHand = {16, -40};
    loser.backHand = {8, -42};
    return {Facing(winner, 1), Facing(loser, -1), true, -1, 178, "はたき込み"};
}

// Throwing: the two lock on each other's belts, and the winner swings the
// loser over.
Scene Grapple() {
    Pose left;
    left.hip = {99, kGround - 27};
    left.lean = 36;
    left.headTurn = -8;
    left.frontFoot = {10, 27};
    left.backFoot = {-18, 25};
    left.frontHand = {42, 0};
    left.backHand = {38, -8};
    Pose right = left;
    right.hip = {141, kGround - 27};
    right.lean = 36;
    return {Facing(left, 1), Facing(right, -1), true, 0, 120, "四つに組む"};
}

Scene Thrown() {
    Pose winner;
    winner.hip = {104, kGround - 25};
    winner.lean = 52;
    winner.headTurn = -6;
    winner.frontFoot = {14, 25};
    winner.backFoot = {-18, 24};
    winner.frontHand = {40, 12};
    winner.backHand = {26, -16};
    Pose loser;  // upside down in the air, legs over his head
    loser.hip = {162, kGround - 40};
    loser.roll = -128;
    loser.lean = 20;
    loser.headTurn = 10;
    loser.frontFoot = {16, 26};
    loser.backFoot = {-2, 30};
    loser.frontHand = {26, -22};
    loser.backHand = {14, -34};
    return {Facing(winner, 1), Facing(loser, -1), true, -1, 216, "上手投げ"};
}

// The film letters: a, then for west wins b c (push), d e (pull), f g
// (throw), and for east wins h i, j k, l m the same moves.
Scene SceneFor(char letter, bool& eastWins) {
    eastWins = letter >= 'h';
    switch (letter) {
        case 'a':
            return FaceOff();
        case 'b':
        case 'h':
            return PushContact();
        case 'c':
        case 'i':
            return PushedOut();
        case 'd':
        case 'j':
            return Sidestep();
        case 'e':
        case 'k':
            return SlappedDown();
        case 'f':
        case 'l':
            return Grapple();
        case 'g':
        case 'm':
            return Thrown();
    }
    throw std::invalid_argument("no film picture for this letter");
}

}  // namespace

void DrawBoutFigures(QPainter& p, char letter, int which) {
    bool eastWins = false;
    const Scene scene = SceneFor(letter, eastWins);
    // The left of the scene is the winner, west unless east wins.
    const Look leftLook = eastWins ? EastLook() : WestLook();
    const Look rightLook = eastWins ? WestLook() : EastLook();
    p.save();
    if (eastWins) {
        p.translate(kFilmWidth, 0);
        p.scale(-1, 1);
    }
    const bool left = which != 2, right = which != 1;
    if (scene.rightInFront) {
        if (left)
            DrawSideFigure(p, leftLook, scene.left);
        if (right)
            DrawSideFigure(p, rightLook, scene.right);
    } else {
        if (right)
            DrawSideFigure(p, rightLook, scene.right);
        if (left)
            DrawSideFigure(p, leftLook, scene.left);
    }
    p.restore();
}

QImage DrawFilmPicture(char letter) {
    bool eastWins = false;
    const Scene scene = SceneFor(letter, eastWins);
    return Supersampled(QSize(kFilmWidth, kFilmHeight), 3, [&](QPainter& p) {
        DrawArena(p);
        p.save();
        if (eastWins) {
            p.translate(kFilmWidth, 0);
            p.scale(-1, 1);
        }
        DrawGyoji(p, QPointF(scene.gyojiX, 96), scene.gyojiPointing);
        p.restore();
        DrawBoutFigures(p, letter);
        DrawSideTags(p);
        DrawCaption(p, QString::fromUtf8(scene.caption));
    });
}

}  // namespace kelmar::pictures
