-- English texts, by key. Keys used before any locale script has run default
-- to their own name; this table gives them proper wording.

-- Message box and common words.
setLocale("Ok", "OK")
setLocale("Cancel", "Cancel")
setLocale("Yes", "Yes")
setLocale("No", "No")
setLocale("Ignore", "Ignore")
setLocale("Abort", "Abort")
setLocale("Help", "Help")
setLocale("Information", "Information")
setLocale("Warning", "Warning")
setLocale("Error", "Error")
setLocale("Player", "Player")

-- The window title.
setLocale("GameTitle", "Brindlemoor")

-- The six spells sold at the altars.
setLocale("SpellFieldFast", "Swift Harvest")
setLocale("SpellWorkerFast", "Busy Hands")
setLocale("SpellWaterFreeze", "Ice Path")
setLocale("SpellTreeRestore", "Regrowth")
setLocale("SpellEnemyFreeze", "Frozen Foes")
setLocale("SpellShield", "Guardian Shield")
-- Main menu. "[MainProfile]" is a format: %s is the player's name.
setLocale("[MainProfile]", "Hello, %s!")
setLocale("[MainStart]", "Play")
setLocale("[MainProfiles]", "Players")
setLocale("[MainOptions]", "Options")
setLocale("[MainHelp]", "How to Play")
setLocale("[MainExit]", "Quit")
setLocale("ConfirmExitGame", "Leaving Brindlemoor already? Your progress is saved.")

-- Options.
setLocale("[OptionsTitle]", "Options")
setLocale("[OptionsSound]", "Sounds")
setLocale("[OptionsMusic]", "Music")
setLocale("[OptionsFullScreen]", "Full screen")
setLocale("[OptionsHints]", "Show hints")
setLocale("[OptionsBack]", "Back")

-- Players.
setLocale("[ProfileNewTitle]", "Welcome!")
setLocale("[ProfileNewAsk]", "Hello there, newcomer! What shall we call you?")
setLocale("[ProfileAddTitle]", "New Player")
setLocale("[ProfileAddAsk]", "Type the new player's name.")
setLocale("[ProfileOk]", "OK")
setLocale("[ProfileCancel]", "Cancel")
setLocale("[ProfileSelectTitle]", "Players")
setLocale("[ProfileSelectHint]", "Who is playing?")
setLocale("[ProfileSelectAdd]", "New Player")
setLocale("[ProfileSelectDelete]", "Delete")
setLocale("[ProfileSelectOk]", "Play")
setLocale("ErrorEmptyPlayerName", "Please type a name for the player.")
setLocale("ErrorPlayerExist", "There is already a player with this name. Please choose another one.")
-- %s is the player's name.
setLocale("ConfirmDeletePlayer", "Delete the player %s and all of their medals?")
setLocale("ErrorOnePlayer", "The last player cannot be deleted. Add a new player first.")

-- Pause menu.
setLocale("[EscapeTitle]", "Paused")
setLocale("[EscapeResume]", "Resume")
setLocale("[EscapeRestart]", "Restart Level")
setLocale("[EscapeOptions]", "Options")
setLocale("[EscapeEnd]", "Main Menu")
setLocale("[EscapeExit]", "Quit Game")

-- How to play. The characters ½ ¼ ¾ ‰ show the wood, food, gold and mana icons.
setLocale("[HelpTitle]", "How to Play")
setLocale("[HelpClose]", "Got it!")
setLocale("[HelpGoalTitle]", "Your island")
setLocale("[HelpGoalText]", "Every level is an island with goals: so many buildings, so many workers, so much of a resource. Reach them all before the time runs out.")
setLocale("[HelpWorkersTitle]", "Workers")
setLocale("[HelpWorkersText]", "Click a tree, a field, a gold nugget or a well. An idle worker walks there, does the job and carries the goods home.")
setLocale("[HelpResourcesTitle]", "Resources")
setLocale("[HelpResourcesText]", "½ Wood comes from trees, ¼ food from fields, ¾ gold from nuggets and ‰ mana from wells. A sawmill, mill or gold mill makes more of each.")
setLocale("[HelpBuildingsTitle]", "Buildings")
setLocale("[HelpBuildingsText]", "Click a building site to raise a house, a tower or a mill. Houses bring new workers, and every building can be upgraded.")
setLocale("[HelpEnemiesTitle]", "Enemies")
setLocale("[HelpEnemiesText]", "Bandits block the roads, goblins steal your gold and spirits frighten your workers. Your hero and your towers chase them away.")
setLocale("[HelpSpellsTitle]", "Spells")
setLocale("[HelpSpellsText]", "Spend ‰ mana at an altar for a spell: faster fields and workers, frozen water or enemies, trees that grow back, or a shield.")
setLocale("[HelpMedalsTitle]", "Medals")
setLocale("[HelpMedalsText]", "Finish within two thirds of the time for gold, within the time for silver, or later for bronze. Try again any time for a better medal!")
setLocale("[HelpControlsTitle]", "Controls")
setLocale("[HelpControlsText]", "Left click: send a worker or press a button. Escape: pause the level or go back. Enter: confirm. Middle click: resume.")

-- The level: what the hints next to objects say, and why a job is refused.
-- A refusal for want of goods is followed by ": " and the missing amounts.
setLocale("PathIsBlocked", "No way leads there yet.")
setLocale("NeedMore", "Not enough")
setLocale("FreeWorker", "Click to call this worker off the job.")
setLocale("AddWorker", "Click to send one more worker.")
setLocale("Price", "Costs")
setLocale("Profit", "Gives")
setLocale("FinishWork", "The work has begun.")
setLocale("tree", "Tree")
setLocale("wood", "Wood")
setLocale("food", "Food")
setLocale("money", "Gold")
setLocale("mana", "Mana")
setLocale("field00", "Wheat field")
setLocale("field01", "Vegetable patch")
setLocale("nugget00", "Gold nugget")
setLocale("well00", "Mana well")
setLocale("prison00", "Bandits' prison")
setLocale("OpenPrison", "The hero frees the captives for")
