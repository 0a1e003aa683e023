#include "benchmarks/Baseline.h"
#include "benchmarks/Bench.h"
#include "core/ProgramFolder.h"
#include "reduced/Catalogue.h"
#include "reduced/CatalogueCodes.h"

#include <memory>
#include <set>

namespace varnelo::bench {

namespace {

// Loads and verifies every free-form table of the shipped catalogue.
const bool registered =
    registerCase({"ridotti-verifica-catalogo",
                  [] {
                      static auto store = std::make_unique<ColumnStore>();
                      keep(store.get());
                      storeAllColumns(*store);
                  },
                  [] {
                      const Catalogue catalogue(catalogueFolder(VARNELO_SOURCE_DATA_DIR));
                      std::set<std::string> done;
                      int good = 0;
                      for (const TableCode& code : catalogueCodes()) {
                          const TableCode f = code.freeForm();
                          if (!done.insert(f.text()).second)
                              continue;
                          PositionTable t;
                          std::string error;
                          good += catalogue.table(code, t, error) && coversAll(t, f.g, f.c);
                      }
                      keep(&good);
                  },
                  3});

} // namespace

} // namespace varnelo::bench
