// Must not compile: a record that owns a QString, made in a document's pool,
// would leak it when the pool lets go of the record unvisited. BREACH picks
// the record: 1 one of its own, 2 a kind of section that adds the string to
// a section (what the section says of its own members does not cover it).
#include "model/sections.h"

#include <QString>

using namespace zorvel;

#if BREACH == 1
struct Named : TModelStorage {
    QString name;
};
void make(TModelPool& pool) {
    (void)makeModel<Named>(pool);
}
#else
struct NamedRule : THorzLine {
    using THorzLine::THorzLine;
    QString name;
};
void make(TModelPool& pool) {
    (void)makeModel<NamedRule>(pool, nullptr);
}
#endif
