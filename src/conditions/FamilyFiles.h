#pragma once

#include "conditions/AndOrFilter.h"
#include "conditions/CarFile.h"
#include "conditions/Picchetto.h"
#include "conditions/SumQuadro.h"
#include "core/Notice.h"
#include "core/ProgramFolder.h"

#include <optional>
#include <string>
#include <vector>

namespace varnelo {

// The files the condition families keep below the program folder. Every
// writer goes through a temporary file renamed into place; every reader
// leaves the state as it was and returns an Italian notice when the file
// cannot be taken. nullopt means done.

// `picchetto/picchetto.txt`; a missing or short file leaves the values it does not reach.
std::optional<Notice> loadPicchetti(const ProgramFolder& folder, PicchettoTable& t);
std::optional<Notice> savePicchetti(const ProgramFolder& folder, const PicchettoTable& t);

// `picchetto/salvpicchetto.txt`: the sum quadro as last confirmed.
std::optional<Notice> saveConfirmedSums(const ProgramFolder& folder, const SumQuadro& q,
                                        bool active);
std::optional<Notice> loadConfirmedSums(const ProgramFolder& folder, SumQuadro& q, bool& active);
// `picchetto/<name>.txt`: a named quadro ("Salva le colonne del quadro ",
// " Importa colonne "). Saving asks first when the file exists: see
// replaceFileQuestion().
bool namedSumsExist(const ProgramFolder& folder, const std::string& name);
std::optional<Notice> saveNamedSums(const ProgramFolder& folder, const std::string& name,
                                    const SumQuadro& q, bool active);
std::optional<Notice> loadNamedSums(const ProgramFolder& folder, const std::string& name,
                                    SumQuadro& q, bool& active);
// The names of the saved quadri in `picchetto/`, sorted; the program's own
// `picchetto.txt` and `salvpicchetto.txt` are no quadri to import.
std::vector<std::string> namedSumQuadri(const ProgramFolder& folder);

// `enal/DistInVert.txt`: the comparison draws K; a missing file is created
// empty and leaves K as it is, so does a file without a number (with a notice).
std::optional<Notice> loadComparisonDraws(const ProgramFolder& folder, int& k);
std::optional<Notice> saveComparisonDraws(const ProgramFolder& folder, int k);

// `andor/AndOr.txt`: every AND/OR quadro between runs.
std::optional<Notice> loadAndOr(const ProgramFolder& folder, AndOrSet& s);
std::optional<Notice> saveAndOr(const ProgramFolder& folder, const AndOrSet& s);

// `andor/<name>.car` and `andor/<name>.cac`: quadri and filter lists.
bool filterFileExists(const ProgramFolder& folder, const std::string& name, const char* extension);
std::optional<Notice> saveCar(const ProgramFolder& folder, const std::string& name,
                              const CarFile& f);
std::optional<Notice> loadCar(const ProgramFolder& folder, const std::string& name, CarFile& f);
std::optional<Notice> saveCac(const ProgramFolder& folder, const std::string& name,
                              const std::vector<ListColumn>& columns);
std::optional<Notice> loadCac(const ProgramFolder& folder, const std::string& name,
                              std::vector<ListColumn>& columns);
// The names (without extension) of the `.car` and `.cac` files of `andor/`, sorted.
std::vector<std::string> filterFiles(const ProgramFolder& folder, const char* extension);

// "File gia esistente  = " with the file, "Nome sistema = " with the name,
// "Sostituire il file?": only a Yes overwrites.
Notice replaceFileQuestion(const std::string& fileName, const std::string& name);

} // namespace varnelo
