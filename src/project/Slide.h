#pragma once

#include <QObject>

// One slide of a project. Always held through QSharedPointer: the project, the slides grid and a
// running render may hold the same slide at once.
class Slide : public QObject
{
    Q_OBJECT
public:
    enum Type
    {
        Image = 1,
        Text = 2
    }; // the values stored in project files

    explicit Slide(int type) : slideType(type) {}
    int type() const { return slideType; }

private:
    const int slideType;
};
