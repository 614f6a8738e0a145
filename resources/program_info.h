#ifndef TAVRUNE_RESOURCES_PROGRAM_INFO_H_
#define TAVRUNE_RESOURCES_PROGRAM_INFO_H_

namespace tavrune {

// The study program's name and the version its About box and banner show.
inline constexpr char kStudyProgramName[] = "Tavrune";
inline constexpr char kStudyVersion[] = "3.2";

}  // namespace tavrune

#endif  // TAVRUNE_RESOURCES_PROGRAM_INFO_H_
