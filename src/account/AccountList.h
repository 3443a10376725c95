#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The accounts of one type as the account manager lists them ("a(ss)"): account id and
// display name.
using AccountList = QList<QPair<QString, QString>>;
