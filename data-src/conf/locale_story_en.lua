-- The story's words: every line of the talks (keys "level_speaker_line"),
-- the trader's offers and the deal window's texts. Speakers: "ad" Master
-- Aldous, the old advisor; "mh" Hilde, the master builder; "sl" Piero, the
-- travelling trader; "wf" Old Wenna, the wise woman of the woods. The talks
-- follow the order the player meets them (data-src/story/bible.md tells the
-- whole story). Lines are short: a bubble holds about four lines of text.

-- The deal window. DealTime takes minutes and seconds; DealIn the amount
-- still missing, then the amount asked; DealInFinish the amount asked.
setLocale("DealTime", "Time left %i:%02i")
setLocale("DealIn", "%i more of %i")
setLocale("DealInFinish", "%i - thank you!")

-- 001 Brindle Green: the first houses.
setLocale("001_ad_0", "Welcome, steward! The storm has torn the roofs off our cottages. Brindlemoor needs you.")
setLocale("001_mh_1", "I'm Hilde, master builder. My workers are ready, but they have nowhere to sleep!")
setLocale("001_ad_2", "Build three houses. Each one needs wood from the trees and food from the fields.")
setLocale("001_ad_3", "Click a tree or a ripe field, and a worker will go and fetch it.")
setLocale("001_mh_4", "Then click a building site, and we'll raise the walls.")
setLocale("001_mh_5", "Three houses, steward. Let's get to work!")
-- 002: more hands.
setLocale("002_ad_0", "Every new house brings a new worker. Build two houses and gather five workers.")
setLocale("002_mh_1", "The altar sells Swift Harvest for mana. It makes the fields ripen fast!")
-- 004: the gold goblins.
setLocale("004_mh_0", "Look, gold! A nugget lies right there in the grass.")
setLocale("004_ad_1", "Careful: gold goblins live in these hills, and they love shiny things.")
setLocale("004_mh_2", "Then we dig it up first! Two houses and four workers, too.")
setLocale("004_ad_3", "If a goblin runs off with your gold, the hero will chase it down.")
-- 007: the sawmill.
setLocale("007_mh_0", "The storm blew our sawmill to pieces. Wood goes so much further with a mill.")
setLocale("007_ad_1", "Mend the sawmill first, then build two houses for seven workers.")
setLocale("007_mh_2", "Sawdust and hammers, my favourite music!")
-- 036: the mill and the lighthouse.
setLocale("036_ad_0", "Ships bring news of the princess, but the lighthouse is dark.")
setLocale("036_mh_1", "We'll need lots of bread to feed the builders. The old mill must turn again.")
setLocale("036_ad_2", "Light the lighthouse and gather seven workers.")
setLocale("036_mh_3", "The mill first, then the lighthouse. Come on, everyone!")
-- 012: the bandits.
setLocale("012_mh_0", "Bandits! They came off the dark-sailed ship, and they grab any worker they meet.")
setLocale("012_ad_1", "Keep your workers off their road. Gather six workers and 250 gold, and don't dawdle: they get faster.")
-- 003: the key statue.
setLocale("003_ad_0", "This statue guarded the road to the castle. The storm knocked it down.")
setLocale("003_mh_1", "A statue is hard work. My workers will get tired.")
setLocale("003_ad_2", "Then buy Busy Hands at the altar. Your workers will run like the wind.")
setLocale("003_mh_3", "Running builders! I like it.")
setLocale("003_ad_4", "Raise the statue again and gather seven workers.")
setLocale("003_mh_5", "Up it goes, stone by stone!")
-- 010: the gold mill.
setLocale("010_ad_0", "Gold nuggets are worth far more once the gold mill has washed them.")
setLocale("010_mh_1", "Then we'll build a mill and a gold mill, and bring in five workers!")
-- 006: the ice path.
setLocale("006_ad_0", "The water cuts us off from the gold on the other shore.")
setLocale("006_mh_1", "My workers can't swim, Master Aldous!")
setLocale("006_ad_2", "Ice Path freezes the water for a while. Cross it quickly and ring the bell before it thaws.")
setLocale("006_mh_3", "Six workers and 150 gold. We'll be quick!")
-- 035: the trader in the bandits' prison.
setLocale("0350_mh_0", "Someone is shouting from the bandits' prison!")
setLocale("0350_ad_1", "It's Piero, the travelling trader. The bandits took all his goods.")
setLocale("0350_mh_2", "Poor fellow. How do we get him out?")
setLocale("0350_ad_3", "Gather 200 gold and send the hero to open the prison. Six workers would help too.")
setLocale("0350_mh_4", "Hold on, Piero, we're coming!")
setLocale("0351_sl_0", "Free at last! Grazie, grazie! Piero never forgets a friend.")
setLocale("0351_mh_1", "We're glad you're safe. Where will you go now?")
setLocale("0351_sl_2", "Everywhere! I'll follow you from island to island with my best bargains.")
setLocale("0351_mh_3", "Bargains for us, or for you?")
setLocale("0351_sl_4", "For both of us, of course! Watch for my offers.")
setLocale("0351_mh_5", "We'll keep our purses ready.")
-- 041: wood for the bridges.
setLocale("041_ad_0", "The broken bridges need wood, lots of it. Gather 250 wood. Piero may have a bargain once a road is open.")
-- 013: stones from the sky.
setLocale("0130_mh_0", "Rocks and fallen trees block every road here.")
setLocale("0130_ad_1", "Clear them, gather eight workers and 250 wood. Regrowth at the altar brings felled trees back.")
setLocale("0131_mh_0", "Stones fell from the sky! Did you see that?")
setLocale("0131_ad_1", "The bandits' cannon on the hill. Keep the workers away from where the stones land.")
setLocale("0131_mh_2", "We'll mend what they broke. Keep going!")
-- 000: the spirits wake.
setLocale("000_mh_0", "Master Aldous, something is moving by the old barrows. Something pale.")
setLocale("000_ad_1", "Skeleton spirits. The storm woke them. They scare the workers but mean no real harm.")
setLocale("000_mh_2", "My workers run away the moment they see one!")
setLocale("000_ad_3", "Then work fast: seven workers and 150 food before they grow restless.")
setLocale("000_mh_4", "Regrowth will keep the trees coming. Let's go!")
-- 038: mills again.
setLocale("038_ad_0", "This village lost both its mills in the storm.")
setLocale("038_mh_1", "A mill and a gold mill, coming up!")
setLocale("038_ad_2", "And seven workers to run them.")
setLocale("038_mh_3", "Easy. Well, almost easy.")
-- 019: the towers.
setLocale("019_ad_0", "A tower's archers keep the spirits away. Build one, then light the lighthouse.")
setLocale("019_mh_1", "Five workers and a lighthouse. We'll build safely this time!")
-- 009: two spells.
setLocale("009_mh_0", "The fields here are small and the road is long.")
setLocale("009_ad_1", "Use both spells: Swift Harvest for the fields and Busy Hands for the workers.")
setLocale("009_mh_2", "Build a mill and gather five workers. Done before lunch!")
-- 021: the key altar.
setLocale("021_ad_0", "The old altar of this island is broken. Wenna needs it for her strongest spells.")
setLocale("021_mh_1", "The spirits swarm around here, though.")
setLocale("021_ad_2", "They'll only get bolder. Rebuild the altar and gather nine workers quickly.")
-- 018: gold and a bargain.
setLocale("018_ad_0", "The goblins dig for gold here too. Get it before they do!")
setLocale("018_mh_1", "We need 300 gold and six workers.")
setLocale("018_ad_2", "When the nuggets run low, Piero may help. He always has gold to trade.")
setLocale("018_mh_3", "For a price, I bet.")
-- 017: stones on the new houses.
setLocale("0170_mh_0", "Six workers and 200 gold, steward. And let's get some roofs up first!")
setLocale("0171_ad_0", "The cannon again! It aims at our new houses.")
setLocale("0171_mh_1", "The spirits are coming too. What a day!")
setLocale("0171_ad_2", "Rebuild what falls. Piero is on his way with wood.")
-- 037: the big gold mill.
setLocale("037_mh_0", "The bandits want gold for their ship. Let's make sure we have more!")
setLocale("037_ad_1", "Build a gold mill, gather 500 gold and six workers.")
setLocale("037_mh_2", "500! That's a mountain of gold.")
-- 014: towers against spirits.
setLocale("014_ad_0", "Spirits crowd the roads, and they'll come faster soon. Build two towers.")
setLocale("014_mh_1", "Two towers, six workers and 100 gold. Towers first!")
-- 040: the bridge.
setLocale("040_ad_0", "The bridge to the east is broken.")
setLocale("040_mh_1", "If we mend it, the bandits will see us coming.")
setLocale("040_ad_2", "They will. Their cannon may fire once the bridge stands.")
setLocale("040_mh_3", "Then we'll be ready. What else?")
setLocale("040_ad_4", "Build two houses and gather 250 gold.")
-- 023: Frozen Foes.
setLocale("023_ad_0", "Wenna has taught the altar a new spell: Frozen Foes.")
setLocale("023_mh_1", "It freezes the spirits where they stand? Wonderful!")
setLocale("023_ad_2", "Use it well. Six workers and a lit lighthouse.")
-- 028: Piero's roadwork.
setLocale("028_mh_0", "Stones block the way, and we only need six workers here.")
setLocale("028_sl_1", "Clear the stones, friends, and Piero will trade wood for gold. Bellissimo!")
-- 025: the restless spirits.
setLocale("0250_ad_0", "We have nothing here, not even food. Gather five workers, 250 food and 250 gold.")
setLocale("0250_mh_1", "From nothing? Then we start right now.")
setLocale("0251_ad_0", "The spirits are restless! More of them every minute.")
setLocale("0251_mh_1", "My workers are shaking in their boots.")
setLocale("0251_ad_2", "Frozen Foes and the towers will keep them still. Hurry!")
-- 027, 024.
setLocale("027_mh_0", "Plenty of food, no gold. Gather six workers and 500 gold!")
setLocale("024_mh_0", "The spirits will come in waves. Freeze them, and gather six workers and 300 gold.")
-- 016: Piero wants wood.
setLocale("016_ad_0", "Clear the stone barrier and Piero will come by with a bargain.")
setLocale("016_mh_1", "Six workers and 100 gold. With Piero's help, maybe more!")
-- 011: wood and gold.
setLocale("011_ad_0", "The castle will need wood and gold. 150 of each.")
setLocale("011_mh_1", "Lumberjacks to the trees, diggers to the gold!")
-- 032: the princess?
setLocale("0320_ad_0", "The princess is in this bandits' prison! The ransom is 500 gold.")
setLocale("0320_mh_1", "Then we'll find 500 gold. Clear the trees and Piero will help.")
setLocale("0321_wf_0", "Alas, that was no princess. Only her cloak on a scarecrow.")
setLocale("0321_mh_1", "Those rascals tricked us!")
setLocale("0321_wf_2", "The real Elin is in their last camp. The key castle will open the way.")
setLocale("0321_mh_3", "Then the castle is where we go next.")
-- 020: Wenna arrives.
setLocale("020_mh_0", "Who is that coming out of the woods?")
setLocale("020_wf_1", "Old Wenna, child. I know every spell of this island.")
setLocale("020_wf_2", "Fell the two old trees by the road, and Piero will come to trade.")
setLocale("020_wf_3", "Build the lighthouse and gather five workers. The spirits fear its light.")
setLocale("020_ad_4", "Welcome, Wenna. We need all the help we can get.")
-- 033: Guardian Shield.
setLocale("033_mh_0", "Master Aldous, the spirits frighten my workers off their jobs.")
setLocale("033_ad_1", "Wenna gave us a new spell: Guardian Shield.")
setLocale("033_mh_2", "A shield? For my workers?")
setLocale("033_ad_3", "For all of them. Nothing can frighten them while it lasts.")
setLocale("033_ad_4", "Gather five workers and 250 gold.")
setLocale("033_mh_5", "Shields up, everyone!")
setLocale("033_ad_6", "And keep an eye on your mana.")
-- 015: goblins and spirits together.
setLocale("015_mh_0", "Goblins AND spirits? On the same island?")
setLocale("015_wf_1", "And both will grow bold after a minute. Build fast, child.")
setLocale("015_wf_2", "Six workers and 100 gold. The tower will help.")
-- 039: mana trades.
setLocale("039_wf_0", "This island is poor in mana, but rich in spirits.")
setLocale("039_mh_1", "We need five workers here.")
setLocale("039_wf_2", "Build a house and Piero will trade mana for wood.")
setLocale("039_mh_3", "Wood for mana. Fair enough!")
-- 022: Wenna's warning.
setLocale("0220_mh_0", "This lighthouse is the last one. The bandits' camp lies beyond.")
setLocale("0220_mh_1", "Six workers and the lighthouse, and quickly!")
setLocale("0221_wf_0", "Hurry! The spirits will come in three waves, each one stronger.")
-- 031: wood and gold for the castle.
setLocale("031_mh_0", "The castle gate needs planks and gold.")
setLocale("031_wf_1", "400 wood and 300 gold, and seven workers to carry them.")
setLocale("031_mh_2", "That's a lot of planks!")
setLocale("031_wf_3", "Busy Hands and Regrowth will help you.")
-- 026: frozen water.
setLocale("026_wf_0", "Freeze the water with Ice Path to reach the gold. Six workers and 300 gold.")
setLocale("026_mh_1", "And ring the bell before it thaws!")
-- 034: the last lighthouse.
setLocale("034_wf_0", "From this shore we can see the bandits' ship.")
setLocale("034_wf_1", "Light the lighthouse so our friends can find their way.")
setLocale("034_wf_2", "And gather 200 gold for the road ahead.")
setLocale("034_mh_3", "We're nearly there. Lights on!")
-- 030: the goblins' race.
setLocale("030_wf_0", "The goblins are racing you for these five nuggets. If they take the last one, no medal will be gold.")
setLocale("030_mh_1", "500 gold, and faster than the goblins. Go, go, go!")
-- 029: the key castle and the last camp.
setLocale("0290_mh_0", "The key castle! Once it stands, the way to the bandits' camp is open.")
setLocale("0290_wf_1", "Rebuild it, child. Elin is waiting for us.")
setLocale("0290_mh_2", "Every worker to the castle!")
setLocale("0291_mh_0", "The castle stands! The road to the camp is open.")
setLocale("0291_wf_1", "Now the hero can bring Elin home. Well done, steward!")
-- Any level: every worker is stuck.
setLocale("NoFreeWorkers_mh_0", "All my workers are busy or can't get anywhere. Maybe a new house or an open road would help?")

-- The trader's offers: what he says when he comes and once the goods changed hands.
setLocale("DealIntro016", "Piero here! 200 wood for 500 gold. A gift, really!")
setLocale("DealAfter016", "Grazie! Pleasure doing business.")
setLocale("DealIntro017", "Your houses! Give me 100 mana and I'll bring 200 wood to mend them.")
setLocale("DealAfter017", "Here's your wood. Build them stronger!")
setLocale("DealIntro018", "Nuggets running low? 200 wood, and you get 500 gold.")
setLocale("DealAfter018", "Gold for you, wood for me. Everyone wins!")
setLocale("DealIntro020_0", "Hungry? No, I am! 150 food for 100 wood.")
setLocale("DealAfter020_0", "Delicious. Here is your wood.")
setLocale("DealIntro020_1", "Another bargain: 120 gold for 100 wood.")
setLocale("DealAfter020_1", "Grazie! See you on the next island.")
setLocale("DealIntro028_0", "The road is clear! 150 wood and I'll give you 200 gold.")
setLocale("DealAfter028_0", "Fine planks! Here's your gold.")
setLocale("DealIntro028_1", "One more road, one more bargain: 200 wood for 200 gold.")
setLocale("DealAfter028_1", "A deal is a deal. Ciao!")
setLocale("DealIntro032", "For the ransom? 200 wood, and I'll give 300 gold.")
setLocale("DealAfter032", "Go and free her, friends!")
setLocale("DealIntro039_0", "A new house! 100 wood for 100 mana.")
setLocale("DealAfter039_0", "Here's your mana, fresh from the well.")
setLocale("DealIntro039_1", "Low on mana? 100 gold for 300 mana, today only!")
setLocale("DealAfter039_1", "Use it well. The spirits won't know what hit them.")
setLocale("DealIntro041", "Bridges need wood! 100 gold and I'll bring 100 wood.")
setLocale("DealAfter041", "Build a fine bridge, friends!")
