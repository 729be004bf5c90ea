#include "CatalogueSort.h"

#include "RegionalSettings.h"

#include <QHash>

#include <algorithm>
#include <numeric>

namespace Catalogue {
namespace {

// A list with one position marked as its front, read cyclically from there. Items are only
// ever inserted just before the front (at the end of the cyclic reading), and the front moves.
// The insertions are recorded and laid out at the end, so each costs a constant.
class CyclicList {
public:
    // Moves the front on by steps items: the first items go to the end.
    void rotate(long long steps) {
        if (m_size > 0)
            m_front = static_cast<int>((m_front + steps % m_size) % m_size);
    }
    void append(int item) {
        m_items.push_back(item);
        m_insertAt.push_back(m_front);
        ++m_size;
        m_front = (m_front + 1) % m_size;
    }
    // The items in their cyclic reading from the front.
    void readInto(std::vector<int>& out) const;

private:
    std::vector<int> m_items;
    std::vector<int> m_insertAt; // index in the list at the time of each insertion
    int m_size = 0;
    int m_front = 0;
};

// Fenwick tree over 0..n-1 counting free slots, for laying insertions out from the last.
class FreeSlots {
public:
    explicit FreeSlots(int n)
        : m_tree(static_cast<size_t>(n) + 1, 0) {
        for (int i = 1; i <= n; ++i) {
            m_tree[static_cast<size_t>(i)] += 1;
            if (const int parent = i + (i & -i); parent <= n)
                m_tree[static_cast<size_t>(parent)] += m_tree[static_cast<size_t>(i)];
        }
        for (m_top = 1; m_top * 2 <= n; m_top *= 2) {
        }
    }
    // Takes the k-th free slot (from 0) and returns its index.
    int take(int k) {
        int pos = 0;
        const int n = static_cast<int>(m_tree.size()) - 1;
        for (int step = n > 0 ? m_top : 0; step > 0; step /= 2) {
            const int next = pos + step;
            if (next <= n && m_tree[static_cast<size_t>(next)] <= k) {
                pos = next;
                k -= m_tree[static_cast<size_t>(next)];
            }
        }
        for (int i = pos + 1; i <= n; i += i & -i)
            m_tree[static_cast<size_t>(i)] -= 1;
        return pos;
    }

private:
    std::vector<int> m_tree;
    int m_top = 1;
};

void CyclicList::readInto(std::vector<int>& out) const {
    // The last insertion took index m_insertAt.back() of the final list; an earlier one took
    // the m_insertAt[k]-th of the slots the later ones left free.
    const int n = m_size;
    std::vector<int> placed(static_cast<size_t>(n));
    FreeSlots free(n);
    for (int k = n - 1; k >= 0; --k)
        placed[static_cast<size_t>(free.take(m_insertAt[static_cast<size_t>(k)]))] =
            m_items[static_cast<size_t>(k)];
    for (int k = 0; k < n; ++k)
        out.push_back(placed[static_cast<size_t>((m_front + k) % n)]);
}

// Counts of the items seen so far per rank, summed over the ranks below a given one.
class RankCounts {
public:
    explicit RankCounts(int ranks)
        : m_tree(static_cast<size_t>(ranks) + 1, 0) {}
    void add(int rank) {
        for (int i = rank + 1; i < static_cast<int>(m_tree.size()); i += i & -i)
            ++m_tree[static_cast<size_t>(i)];
    }
    long long below(int rank) const {
        long long sum = 0;
        for (int i = rank; i > 0; i -= i & -i)
            sum += m_tree[static_cast<size_t>(i)];
        return sum;
    }

private:
    std::vector<long long> m_tree;
};

} // namespace

namespace {

// Ranks of the texts by their keys: each distinct text is keyed and compared once, since the
// lists hold many equal dates.
template <typename KeyOf> std::vector<int> ranksByKey(const QStringList& texts, KeyOf keyOf) {
    QHash<QString, int> distinctIndex;
    distinctIndex.reserve(texts.size());
    QStringList keys;
    std::vector<int> textToDistinct;
    textToDistinct.reserve(static_cast<size_t>(texts.size()));
    for (const QString& text : texts) {
        auto it = distinctIndex.constFind(text);
        if (it == distinctIndex.constEnd()) {
            it = distinctIndex.insert(text, static_cast<int>(keys.size()));
            keys << keyOf(text);
        }
        textToDistinct.push_back(it.value());
    }
    std::vector<int> byOrder(static_cast<size_t>(keys.size()));
    std::iota(byOrder.begin(), byOrder.end(), 0);
    std::sort(byOrder.begin(), byOrder.end(),
              [&](int a, int b) { return Regional::compareStrings(keys[a], keys[b]) < 0; });
    // Different keys that compare equal share a rank.
    std::vector<int> distinctRank(static_cast<size_t>(keys.size()));
    int rank = -1;
    for (size_t k = 0; k < byOrder.size(); ++k) {
        if (k == 0 || Regional::compareStrings(keys[byOrder[k - 1]], keys[byOrder[k]]) != 0)
            ++rank;
        distinctRank[static_cast<size_t>(byOrder[k])] = rank;
    }
    std::vector<int> ranks;
    ranks.reserve(textToDistinct.size());
    for (int d : textToDistinct)
        ranks.push_back(distinctRank[static_cast<size_t>(d)]);
    return ranks;
}

} // namespace

std::vector<int> CollationRanks(const QStringList& keys) {
    return ranksByKey(keys, [](const QString& key) { return key; });
}

// The exchange sort, for i < j exchanging items i and j when item j sorts before item i,
// leaves at position i the first item of least rank among positions i.. and moves each item
// that held position i meanwhile to where the next smaller one stood. Followed item by item
// in the input order instead of position by position, this amounts to:
//   - each group of equal rank keeps a list, and an arriving item is appended to its group's;
//   - every group of higher rank then moves its first item to its end.
// The groups in rank order, each read in its list's order, are the sorted list.
std::vector<int> ExchangeSortOrder(const std::vector<int>& ranks, bool ascending) {
    const int n = static_cast<int>(ranks.size());
    int rankCount = 0;
    for (int r : ranks)
        rankCount = std::max(rankCount, r + 1);
    // Descending is the ascending sort of the reversed ranks.
    const auto rankOf = [&](int item) {
        const int r = ranks[static_cast<size_t>(item)];
        return ascending ? r : rankCount - 1 - r;
    };

    std::vector<CyclicList> groups(static_cast<size_t>(rankCount));
    // For each group, how many items of lower rank had arrived when it was last brought up to
    // date: every such arrival moves the group's front on by one.
    std::vector<long long> lowerSeen(static_cast<size_t>(rankCount), 0);
    RankCounts counts(rankCount);
    for (int item = 0; item < n; ++item) {
        const int r = rankOf(item);
        CyclicList& group = groups[static_cast<size_t>(r)];
        const long long lower = counts.below(r);
        group.rotate(lower - lowerSeen[static_cast<size_t>(r)]);
        lowerSeen[static_cast<size_t>(r)] = lower;
        group.append(item);
        counts.add(r);
    }
    std::vector<int> order;
    order.reserve(static_cast<size_t>(n));
    for (int r = 0; r < rankCount; ++r) {
        CyclicList& group = groups[static_cast<size_t>(r)];
        group.rotate(counts.below(r) - lowerSeen[static_cast<size_t>(r)]);
        group.readInto(order);
    }
    return order;
}

std::vector<int> NameSortOrder(const QStringList& names, bool ascending) {
    return ExchangeSortOrder(CollationRanks(names), ascending);
}

std::vector<int> DateSortOrder(const QStringList& dates, bool ascending) {
    return ExchangeSortOrder(ranksByKey(dates, DateSortKey), ascending);
}

std::vector<int> PaymentSortOrder(const QStringList& dates) {
    return DateSortOrder(dates, true);
}

} // namespace Catalogue
