#pragma once
#include "TopTenList.h"

class QWidget;

// What the initials dialog needs of the game screen whose score it records.
class TopTenHost {
public:
    virtual ~TopTenHost() = default;
    virtual int finalScore() const = 0;      // the game screen's intScore
    virtual TopTenList &topTen() = 0;        // its lstTopTen
    virtual void showTopTen() = 0;           // refills lstVisible from lstTopTen
    virtual QWidget *hostWindow() = 0;
};
