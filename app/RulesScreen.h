#pragma once
#include <QWidget>

// The rules of the game, over the start screen until CLOSE.
class RulesScreen final : public QWidget {
    Q_OBJECT
public:
    explicit RulesScreen(QWidget *parent = nullptr);

    static QString rulesText();

signals:
    void closed(); // by CLOSE
};
