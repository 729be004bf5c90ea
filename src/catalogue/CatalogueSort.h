#pragma once

#include "GrafikDates.h"

#include <QStringList>

#include <vector>

// The orders of the record catalogue and of the upcoming payments. Both lists are sorted by a
// plain exchange sort: for i < j, rows i and j are exchanged when they are out of order. That
// sort is not stable, and rows with equal keys end in the order it gives them, which the user
// sees; the functions here give exactly that order without exchanging rows one by one.
//
// An order lists, for each position of the sorted list, the index (from 0) of the item that
// comes to stand there.
namespace Catalogue {

// Ranks of texts under the program's case-sensitive string comparison: equal ranks for texts
// that compare equal, lower ranks for texts that come first.
std::vector<int> CollationRanks(const QStringList& keys);

// The order the exchange sort gives items with these ranks: ascending exchanges items i < j
// when rank(i) > rank(j), descending when rank(i) < rank(j).
std::vector<int> ExchangeSortOrder(const std::vector<int>& ranks, bool ascending = true);

// Dates sort by the schedule's date key (year, month, day).
using Calc::DateSortKey;

// The catalogue sorted by record name (column 0) or by issue date (column 1).
std::vector<int> NameSortOrder(const QStringList& names, bool ascending);
std::vector<int> DateSortOrder(const QStringList& dates, bool ascending);

// The upcoming payments sorted by their date, ascending.
std::vector<int> PaymentSortOrder(const QStringList& dates);

} // namespace Catalogue
